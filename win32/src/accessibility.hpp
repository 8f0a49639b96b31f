#pragma once

#include <windows.h>

#include <string>

namespace tarvinel::win32 {

// Names the list and the output box for screen readers, which have no caption of their own, and
// makes the output box a polite live region. Needs COM on this thread; without it, does nothing.
void NameForAssistiveTechnology(HWND list, HWND output);

// Raises a report written into the output box to screen readers, which do not read a change in a
// box without the focus.
void Announce(HWND output, const std::wstring& report);

}  // namespace tarvinel::win32
