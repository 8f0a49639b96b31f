#include "tarvinel/win32_window.hpp"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
  const tarvinel::win32::ComApartment com;
  return tarvinel::win32::RunProgram(instance, show, tarvinel::win32::ProgramArguments());
}
