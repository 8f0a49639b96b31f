#include <windows.h>

#include <cstdio>

// Keeps a Wine session's desktop open for a whole test run. Wine closes a desktop once no program
// has a window on it, and then its desktop process and RPC server linger for seconds, holding the
// output of the test that opened them; the next test opens the desktop afresh. A window on it
// that lives as long as the run avoids both. It shows nothing and takes no focus.
int wmain() {
  HWND window =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (window == nullptr) {
    std::fprintf(stderr, "desktop_holder: CreateWindowExW failed, error %lu\n", GetLastError());
    return 1;
  }
  std::puts("ready");
  std::fflush(stdout);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
