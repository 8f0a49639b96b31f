#include <windows.h>

#include "tarvinel/design.hpp"
#include "tarvinel/win32_window.hpp"

namespace tarvinel::win32 {

int RunMessageLoop(Tarvinel& window) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

// A window that was never made cannot be closed: rather than wait in a loop for nothing, the
// program tells the user what failed and ends.
int RunProgram(HINSTANCE instance, int show) {
  Tarvinel window(instance);
  if (!window.Failure().empty()) {
    const std::wstring message =
        L"Прозорецът на програмата не може да бъде отворен (" + window.Failure() + L").";
    MessageBoxW(nullptr, message.c_str(), Wide(design::WindowCaption()).c_str(),
                MB_OK | MB_ICONERROR);
    return 1;
  }
  window.Show(show);
  return RunMessageLoop(window);
}

}  // namespace tarvinel::win32
