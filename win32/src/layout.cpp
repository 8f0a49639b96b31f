#include <windows.h>

#include <algorithm>

#include "tarvinel/design.hpp"
#include "tarvinel/win32_window.hpp"

// Where the controls sit at the window's DPI, and where Tab takes the focus.
namespace tarvinel::win32 {

int Tarvinel::Pixels(int twips) const {
  return MulDiv(twips, static_cast<int>(dpi_), design::kTwipsPerInch);
}

void Tarvinel::Place(HWND control, int left, int top, int width, int height) const {
  SetWindowPos(control, nullptr, Pixels(left), Pixels(top), Pixels(width), Pixels(height),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// Places every control and sizes the window for the current DPI, with the designed font. Where
// no font of that size can be made, the controls keep the one they have.
void Tarvinel::Layout() {
  GdiObject<HFONT> font(CreateFontW(
      -MulDiv(design::kFontPointSize, static_cast<int>(dpi_), 72), 0, 0, 0, design::kFontWeight,
      FALSE, FALSE, FALSE, design::kFontCharset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
      DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN, Wide(design::kFontFamily).c_str()));

  // The window's frame, as the platform draws it now, around the designed client area.
  RECT outer{};
  RECT client{};
  GetWindowRect(window_, &outer);
  GetClientRect(window_, &client);
  SetWindowPos(window_, nullptr, 0, 0,
               Pixels(design::kClientArea.width) + (outer.right - outer.left) - client.right,
               Pixels(design::kClientArea.height) + (outer.bottom - outer.top) - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  const auto place = [this](int id, design::Twips at) {
    Place(Control(id), at.left, at.top, at.width, at.height);
  };
  place(kLabel1Title, design::kTitleLabel);
  place(kFrame1, design::kEraFrame);
  place(kLabel1Period, design::kPeriodLabel);
  place(kList1, design::kPeriodList);
  place(kText1, design::kOutputBox);
  for (int era = 0; era < kEraCount; ++era) {
    const design::Twips button = design::EraButton(era);
    Place(eras_.at(static_cast<std::size_t>(era)), design::kEraFrame.left + button.left,
          design::kEraFrame.top + button.top, button.width, button.height);
  }
  if (font) {
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    }
    SendMessageW(Tooltip(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    font_ = std::move(font);
  }
  InvalidateRect(window_, nullptr, TRUE);
}

bool Tarvinel::PreTranslate(MSG& message) {
  const bool ours = message.hwnd == window_ || IsChild(window_, message.hwnd);
  if (!ours) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
    MoveFocus((GetKeyState(VK_SHIFT) & 0x8000) == 0);
    return true;
  }
  if (!Picks().MovesPick() && PreTranslateAnswer(message)) return true;
  return IsDialogMessageW(window_, &message) != FALSE;
}

// In a self-check: Enter on an era button answers with it; Space or Enter on the list answers
// with the selected row (with none selected, Space selects the caret row as the list box does,
// and Enter likewise); a click answers with the row it is on, once the list box has selected it;
// an arrow among the era buttons moves the focus and the check, and answers nothing.
bool Tarvinel::PreTranslateAnswer(MSG& message) {
  const auto found = std::find(eras_.begin(), eras_.end(), message.hwnd);
  const bool onEra = found != eras_.end();
  const auto era = static_cast<std::int16_t>(found - eras_.begin());
  if (message.message == WM_KEYDOWN) {
    const auto key = message.wParam;
    if (onEra && key == VK_RETURN) {
      Picks().Option1_Click(era);
      return true;
    }
    if (message.hwnd == list_ && (key == VK_SPACE || key == VK_RETURN)) {
      if (ListIndex() >= 0) {
        Picks().List1_Click(0);
        return true;
      }
      if (key == VK_RETURN) {
        SendMessageW(list_, LB_SETCURSEL, SendMessageW(list_, LB_GETCARETINDEX, 0, 0), 0);
        return true;
      }
      return false;
    }
    if (onEra && (key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT)) {
      moving_ = true;
      const bool handled = IsDialogMessageW(window_, &message) != FALSE;
      moving_ = false;
      return handled;
    }
  }
  if (message.message == WM_LBUTTONUP && message.hwnd == list_) {
    DispatchMessageW(&message);
    const auto at = SendMessageW(list_, LB_ITEMFROMPOINT, 0, message.lParam);
    if (HIWORD(at) == 0 && static_cast<std::int16_t>(LOWORD(at)) == ListIndex()) {
      Picks().List1_Click(0);
    }
    return true;
  }
  return false;
}

// Tab visits every control in the designed order, each era button included. An auto radio
// button that gets the focus from the keyboard checks itself and reports a click, as if picked
// with an arrow key; Tab only moves the focus, so it hands the focus over the way a mouse press
// does, with the button holding the capture.
void Tarvinel::MoveFocus(bool forward) {
  const auto controlOf = [this](design::FocusStop stop) {
    switch (stop.kind) {
      case design::FocusStop::Kind::OutputBox:
        return output_;
      case design::FocusStop::Kind::PeriodList:
        return list_;
      case design::FocusStop::Kind::EraButton:
        break;
    }
    return eras_.at(static_cast<std::size_t>(stop.era));
  };
  const auto& order = design::kFocusOrder;
  const HWND focus = GetFocus();
  const auto at = std::find_if(order.begin(), order.end(),
                               [&](design::FocusStop stop) { return controlOf(stop) == focus; });
  const auto from =
      at == order.end() ? std::size_t{0} : static_cast<std::size_t>(at - order.begin());
  const design::FocusStop next = order.at(design::NextFocusStop(from, forward));
  HWND control = controlOf(next);
  if (next.kind == design::FocusStop::Kind::EraButton) {
    SetCapture(control);
    SetFocus(control);
    ReleaseCapture();
    return;
  }
  SetFocus(control);
  if (control == output_) SendMessageW(output_, EM_SETSEL, 0, 0);
}

}  // namespace tarvinel::win32
