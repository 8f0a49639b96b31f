#include "tarvinel/win32_window.hpp"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
  tarvinel::win32::Tarvinel window(instance);
  window.Show(show);
  return tarvinel::win32::RunMessageLoop(window);
}
