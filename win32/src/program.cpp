#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

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

std::vector<std::string> ProgramArguments() {
  std::vector<std::string> arguments;
  for (int at = 1; __wargv != nullptr && at < __argc; ++at) {
    arguments.push_back(Narrow(__wargv[at]));
  }
  return arguments;
}

namespace {

int Say(const std::string& text, UINT icon, int status) {
  MessageBoxW(nullptr, Wide(text).c_str(), Wide(design::WindowCaption()).c_str(), MB_OK | icon);
  return status;
}

}  // namespace

// A window that was never made cannot be closed: rather than wait in a loop for nothing, the
// program tells the user what failed and ends.
int RunProgram(HINSTANCE instance, int show, const std::vector<std::string>& arguments) {
  const design::CommandLine command = design::ReadCommandLine(arguments);
  switch (command.ask) {
    case design::CommandLine::Ask::Help:
      return Say(design::HelpText(), MB_ICONINFORMATION, 0);
    case design::CommandLine::Ask::Version:
      return Say(design::VersionText(TARVINEL_VERSION), MB_ICONINFORMATION, 0);
    case design::CommandLine::Ask::Refuse:
      return Say(design::RefusalText(command.refused), MB_ICONERROR, 2);
    case design::CommandLine::Ask::Open:
      break;
  }
  Tarvinel window(instance, command.purpose);
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
