#pragma once

#include <windows.h>

#include <type_traits>

namespace tarvinel::win32 {

// A function of Windows that only newer versions have, looked up at run time so that the program
// still starts on older ones; null where this Windows lacks it. `Pointer` is the function's
// pointer type, calling convention included (WINAPI), which 32-bit code depends on.
template <typename Pointer>
Pointer SystemFunction(const wchar_t* library, const char* name) {
  static_assert(std::is_pointer_v<Pointer> && std::is_function_v<std::remove_pointer_t<Pointer>>);
  HMODULE module = GetModuleHandleW(library);
  // A system library, loaded once and kept for the program's run.
  if (!module) module = LoadLibraryW(library);
  if (!module) return nullptr;
  return reinterpret_cast<Pointer>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace tarvinel::win32
