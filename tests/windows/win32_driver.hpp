#pragma once

#include <memory>
#include <optional>
#include <string>

#include "model_check.hpp"
#include "tarvinel/win32_window.hpp"

namespace tarvinel::testing {

// The native window, shown and active, driven by the messages that the platform's mouse and
// keyboard produce, posted to the control under the pointer or with the focus and pumped through
// the program's own message loop.
class Win32Driver : public model::Driver {
 public:
  ~Win32Driver() override;
  bool Open() override;
  void Do(const model::Action& action) override;
  model::Screen Seen() const override;
  std::string Inconsistency() const override;
  int PageStep() const override;

  HWND Era(int era) const { return window->Control(win32::kOption1 + era); }
  HWND List() const { return window->Control(win32::kList1); }
  HWND Output() const { return window->Control(win32::kText1); }
  std::optional<int> CheckedEra() const;
  int SelectedRow() const;

  // Runs every message waiting in the queue through the program's message loop.
  void Pump();
  void Click(HWND control, POINT at, WPARAM keys = 0);
  void ClickEra(int era);
  void ClickRow(int row, WPARAM keys = 0);
  // A key pressed and released on whatever has the focus, with Shift held if asked.
  void PressKey(UINT key, bool shift = false);
  // A character typed on whatever has the focus.
  void Type(wchar_t character);

  design::Purpose purpose = design::Purpose::Reference;
  win32::ComApartment com;
  std::unique_ptr<win32::Tarvinel> window;
};

}  // namespace tarvinel::testing
