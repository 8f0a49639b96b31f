#include <windows.h>

#include "accessibility.hpp"
#include "tarvinel/win32_window.hpp"

// The window as the coordinator sees it: every read and write goes to the controls themselves.
namespace tarvinel::win32 {
namespace {

std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

std::int16_t Tarvinel::PeriodCount() const {
  return static_cast<std::int16_t>(SendMessageW(list_, LB_GETCOUNT, 0, 0));
}

std::string Tarvinel::PeriodName(std::int16_t row) const {
  const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length == LB_ERR) return {};
  std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(name.data()));
  name.resize(static_cast<std::size_t>(length));
  return Narrow(name);
}

std::string Tarvinel::EraNumberText(std::int16_t row) const {
  return std::string(kPeriods.at(static_cast<std::size_t>(row)).eraNumberText);
}

std::string Tarvinel::EraCaption(std::int16_t era) const {
  return Narrow(TextOf(eras_.at(static_cast<std::size_t>(era))));
}

std::int16_t Tarvinel::ListIndex() const {
  const LRESULT row = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  return static_cast<std::int16_t>(row == LB_ERR ? -1 : row);
}

void Tarvinel::SetListIndex(std::int16_t row) {
  SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void Tarvinel::SelectEra(std::int16_t era) {
  if (era < 0 || era >= kEraCount) return;
  CheckRadioButton(window_, kOption1, kOption1 + kEraCount - 1, kOption1 + era);
}

void Tarvinel::ClearEras() {
  for (int era = 0; era < kEraCount; ++era) CheckDlgButton(window_, kOption1 + era, BST_UNCHECKED);
}

std::string Tarvinel::Text() const { return Narrow(TextOf(output_)); }

// Every report written once the window is up is also raised to screen readers.
void Tarvinel::SetText(std::string text) {
  const std::wstring report = Wide(text);
  SetWindowTextW(output_, report.c_str());
  if (IsWindowVisible(window_)) Announce(output_, report);
}

}  // namespace tarvinel::win32
