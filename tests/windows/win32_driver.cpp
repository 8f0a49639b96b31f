#include "win32_driver.hpp"

#include "tarvinel/win32_text.hpp"

namespace tarvinel::testing {
namespace {

UINT VirtualKey(model::Key key) {
  switch (key) {
    case model::Key::Up:
      return VK_UP;
    case model::Key::Down:
      return VK_DOWN;
    case model::Key::Left:
      return VK_LEFT;
    case model::Key::Home:
      return VK_HOME;
    case model::Key::End:
      return VK_END;
    case model::Key::PageUp:
      return VK_PRIOR;
    case model::Key::PageDown:
      return VK_NEXT;
    case model::Key::Space:
      return VK_SPACE;
    case model::Key::Tab:
    case model::Key::Backtab:
      return VK_TAB;
    case model::Key::Enter:
      return VK_RETURN;
  }
  return 0;
}

LPARAM KeyData(UINT key, bool release) {
  const auto scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  return 1 | (scan << 16) | (release ? (LPARAM{3} << 30) : 0);
}

}  // namespace

Win32Driver::~Win32Driver() {
  window.reset();
  Pump();
}

bool Win32Driver::Open() {
  window.reset();
  Pump();
  window = std::make_unique<win32::Tarvinel>(GetModuleHandleW(nullptr), purpose);
  window->Show(SW_SHOWNORMAL);
  SetForegroundWindow(window->Handle());
  // Wine hands the focus over through its X display, which may take a few rounds of messages
  // on a busy machine.
  const ULONGLONG until = GetTickCount64() + 20000;
  for (;;) {
    Pump();
    if (IsWindowVisible(window->Handle()) && GetFocus() == Output()) return true;
    if (GetTickCount64() > until) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
}

void Win32Driver::Pump() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (window && window->PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32Driver::Click(HWND control, POINT at, WPARAM keys) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  PostMessageW(control, WM_MOUSEMOVE, keys, where);
  PostMessageW(control, WM_LBUTTONDOWN, keys | MK_LBUTTON, where);
  PostMessageW(control, WM_LBUTTONUP, keys, where);
  Pump();
}

void Win32Driver::ClickEra(int era) {
  RECT area{};
  GetClientRect(Era(era), &area);
  Click(Era(era), {area.right / 2, area.bottom / 2});
}

void Win32Driver::ClickRow(int row, WPARAM keys) {
  // A user scrolls the row into view first; scrolling changes no selection.
  const auto top = SendMessageW(List(), LB_GETTOPINDEX, 0, 0);
  const int visible = PageStep() + 1;
  if (row < top) SendMessageW(List(), LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
  if (row >= top + visible) {
    SendMessageW(List(), LB_SETTOPINDEX, static_cast<WPARAM>(row - visible + 1), 0);
  }
  RECT item{};
  SendMessageW(List(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  Click(List(), {(item.left + item.right) / 2, (item.top + item.bottom) / 2}, keys);
}

void Win32Driver::PressKey(UINT key, bool shift) {
  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
  HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, key, KeyData(key, false));
  PostMessageW(focus, WM_KEYUP, key, KeyData(key, true));
  Pump();
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

void Win32Driver::Type(wchar_t character) {
  PostMessageW(GetFocus(), WM_CHAR, character, 1);
  Pump();
}

void Win32Driver::Do(const model::Action& action) {
  using Kind = model::Action::Kind;
  switch (action.kind) {
    case Kind::ClickEra:
      ClickEra(action.arg);
      break;
    case Kind::ClickRow:
      ClickRow(action.arg);
      break;
    case Kind::ReclickCheckedEra:
      if (const auto era = CheckedEra()) ClickEra(*era);
      break;
    case Kind::CtrlClickSelected:
      ClickRow(std::max(SelectedRow(), 0), MK_CONTROL);
      break;
    case Kind::ClickBelowRows: {
      SendMessageW(List(), LB_SETTOPINDEX, 21, 0);
      RECT last{};
      SendMessageW(List(), LB_GETITEMRECT, 21, reinterpret_cast<LPARAM>(&last));
      RECT client{};
      GetClientRect(List(), &client);
      if (last.bottom + 2 < client.bottom) Click(List(), {last.left + 5, last.bottom + 2});
      break;
    }
    case Kind::Key: {
      const auto key = static_cast<model::Key>(action.arg);
      PressKey(VirtualKey(key), key == model::Key::Backtab);
      break;
    }
  }
}

std::optional<int> Win32Driver::CheckedEra() const {
  for (int era = 0; era < 6; ++era) {
    if (SendMessageW(Era(era), BM_GETCHECK, 0, 0) == BST_CHECKED) return era;
  }
  return std::nullopt;
}

int Win32Driver::SelectedRow() const {
  const LRESULT row = SendMessageW(List(), LB_GETCURSEL, 0, 0);
  return row == LB_ERR ? -1 : static_cast<int>(row);
}

model::Screen Win32Driver::Seen() const {
  model::Screen seen;
  seen.checkedEra = CheckedEra();
  seen.selectedRow = SelectedRow();
  seen.text = window->Text();
  HWND focus = GetFocus();
  seen.focus = 100;
  if (focus == Output()) seen.focus = model::kFocusOutput;
  if (focus == List()) seen.focus = model::kFocusList;
  for (int era = 0; era < 6; ++era) {
    if (focus == Era(era)) seen.focus = era;
  }
  return seen;
}

std::string Win32Driver::Inconsistency() const {
  std::string found;
  int checked = 0;
  for (int era = 0; era < 6; ++era) {
    checked += SendMessageW(Era(era), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  }
  if (checked > 1) found += " more than one era checked;";
  if (window->State().ClickGuard != Guard::Idle) found += " guard not idle;";
  // The focus leaves the controls only with the window's activation; say what took that.
  const HWND activeWindow = GetActiveWindow();
  const HWND foregroundWindow = GetForegroundWindow();
  if (activeWindow != window->Handle() || foregroundWindow != window->Handle()) {
    wchar_t active[64]{};
    wchar_t foreground[64]{};
    GetClassNameW(activeWindow, active, 64);
    GetClassNameW(foregroundWindow, foreground, 64);
    DWORD owner = 0;
    GetWindowThreadProcessId(foregroundWindow, &owner);
    found += " the window is not active: the active window is of class \"" + win32::Narrow(active) +
             "\", the foreground window of class \"" + win32::Narrow(foreground) + "\", " +
             (owner == GetCurrentProcessId() ? "this test's"
                                             : "process " + std::to_string(owner) + "'s") +
             ";";
  }
  return found;
}

int Win32Driver::PageStep() const {
  RECT client{};
  GetClientRect(List(), &client);
  const auto rowHeight = static_cast<int>(SendMessageW(List(), LB_GETITEMHEIGHT, 0, 0));
  return client.bottom / rowHeight - 1;
}

}  // namespace tarvinel::testing
