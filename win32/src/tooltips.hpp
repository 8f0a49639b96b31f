#pragma once

#include <windows.h>
// After windows.h:
#include <commctrl.h>

#include <array>
#include <string>

namespace tarvinel::win32 {

// The ages as tooltips: one tool for each era button, and one for the period list whose text
// follows the row under the pointer.
class Tooltips {
 public:
  // False when the tooltip window could not be made; the window works on without tooltips.
  bool Make(HWND window, const std::array<HWND, 6>& eras, HWND list);
  HWND Handle() const { return tooltip_; }
  // The list's tool asks for its text when it is about to show.
  bool IsListRequest(const NMHDR& header) const;
  void AnswerListRequest(NMTTDISPINFOW& request);

 private:
  static LRESULT CALLBACK FollowRow(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self);
  void AddTool(HWND control, wchar_t* text);

  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND list_ = nullptr;
  std::array<std::wstring, 6> eraTips_;
  int row_ = -1;
  std::wstring rowTip_;
};

}  // namespace tarvinel::win32
