#include "tooltips.hpp"

// After windows.h:
#include <commctrl.h>

#include "tarvinel/catalogue.hpp"
#include "tarvinel/design.hpp"
#include "tarvinel/win32_text.hpp"

namespace tarvinel::win32 {
namespace {

// The row of `list` at a point of its client area, or -1 below the last row.
int RowAt(HWND list, POINT at) {
  const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y));
  return HIWORD(hit) == 0 ? LOWORD(hit) : -1;
}

}  // namespace

bool Tooltips::Make(HWND window, const std::array<HWND, 6>& eras, HWND list) {
  window_ = window;
  list_ = list;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window,
                             nullptr, nullptr, nullptr);
  if (!tooltip_) return false;
  for (int era = 0; era < kEraCount; ++era) {
    const auto at = static_cast<std::size_t>(era);
    eraTips_.at(at) = Wide(design::EraAge(era));
    AddTool(eras.at(at), eraTips_.at(at).data());
  }
  AddTool(list, LPSTR_TEXTCALLBACKW);
  SetWindowSubclass(list, FollowRow, 1, reinterpret_cast<DWORD_PTR>(this));
  return true;
}

void Tooltips::AddTool(HWND control, wchar_t* text) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool Tooltips::IsListRequest(const NMHDR& header) const {
  return header.code == TTN_GETDISPINFOW && header.idFrom == reinterpret_cast<UINT_PTR>(list_);
}

void Tooltips::AnswerListRequest(NMTTDISPINFOW& request) {
  POINT pointer{};
  GetCursorPos(&pointer);
  ScreenToClient(list_, &pointer);
  const int row = RowAt(list_, pointer);
  rowTip_ = row >= 0 && row < kPeriodCount ? Wide(design::PeriodAge(row)) : std::wstring();
  request.lpszText = rowTip_.data();
}

// A new row under the pointer hides the tip, so that the next one shows that row's age.
LRESULT CALLBACK Tooltips::FollowRow(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR /*id*/, DWORD_PTR self) {
  if (message == WM_MOUSEMOVE) {
    auto* tips = reinterpret_cast<Tooltips*>(self);
    const int row =
        RowAt(list, {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
    if (row != tips->row_) {
      tips->row_ = row;
      SendMessageW(tips->tooltip_, TTM_POP, 0, 0);
    }
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace tarvinel::win32
