#include <windows.h>
// The headers below need windows.h first.
#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>

#include "tarvinel/ages.hpp"
#include "tarvinel/design.hpp"
#include "tarvinel/win32_window.hpp"

namespace tarvinel::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"TarvinelWindow";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

COLORREF ToColorRef(Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

// Brushes of the designed colours, made once for the program's run.
HBRUSH BrushOf(Rgb colour) {
  struct Made {
    COLORREF colour;
    HBRUSH brush;
  };
  static Made made[16];
  static int count = 0;
  const COLORREF wanted = ToColorRef(colour);
  for (int i = 0; i < count; ++i) {
    if (made[i].colour == wanted) return made[i].brush;
  }
  if (count == 16) return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  made[count] = {wanted, CreateSolidBrush(wanted)};
  return made[count++].brush;
}

// Windows 10's per-window DPI functions, looked up at run time so that older Windows still start.
UINT DpiOf(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpi) return getDpi(window);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return static_cast<UINT>(dpi);
}

HWND MakeControl(HWND parent, const wchar_t* kind, const std::wstring& text, DWORD style, int id,
                 DWORD exStyle = 0) {
  return CreateWindowExW(
      exStyle, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),  // NOLINT
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

// UI Automation's notification, Windows 10 1709 and later, looked up at run time so that older
// Windows still start; the values are those of its NotificationKind and NotificationProcessing.
using HostProviderFn = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotificationFn = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);
constexpr int kActionCompleted = 2;
constexpr int kMostRecent = 3;
// UI Automation's LiveSetting property, Polite, for the older Windows.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;
// EVENT_OBJECT_LIVEREGIONCHANGED, from Windows 8 on; the headers show it only to programs that
// need Windows 8.
constexpr DWORD kLiveRegionChanged = 0x8019;

int EraOfControl(int id) {
  const int era = id - kOption1;
  return era >= 0 && era < kEraCount ? era : -1;
}

}  // namespace

std::wstring Wide(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::wstring wide(
      static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)),
      L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string Narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::string narrow(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size,
                                                                  nullptr, 0, nullptr, nullptr)),
                     '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), static_cast<int>(narrow.size()),
                      nullptr, nullptr);
  return narrow;
}

Tarvinel::Tarvinel(HINSTANCE instance) : instance_(instance) {
  comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance_;
  windowClass.hIcon =
      static_cast<HICON>(LoadImageW(instance_, L"IDI_ICON1", IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance_, L"IDI_ICON1", IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);

  const std::wstring title = Wide(design::kPublisherAddress) + L" " + Wide(design::kWindowTitle);
  CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, title.c_str(), kWindowStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, 480, 400, nullptr, nullptr, instance_, this);
  dpi_ = DpiOf(window_);

  // Creation order is the order of the controls on screen and for assistive technology: each
  // label comes just before what it names.
  MakeLabels();
  MakeEraFrame();
  MakePeriodList();
  MakeOutputBox();
  MakeTooltips();
  NameForAssistiveTechnology();
  Layout();
  SetText(design::kExerciseStatement);
}

Tarvinel::~Tarvinel() {
  if (IsWindow(window_)) DestroyWindow(window_);
  if (font_) DeleteObject(font_);
  if (comStarted_) CoUninitialize();
}

void Tarvinel::Show(int how) {
  ShowWindow(window_, how);
  UpdateWindow(window_);
  SetFocus(output_);
}

void Tarvinel::MakeLabels() {
  MakeControl(window_, L"STATIC", Wide(design::kTitleLabelText), SS_CENTER, kLabel1Title);
}

void Tarvinel::MakeEraFrame() {
  MakeControl(window_, L"BUTTON", Wide(design::kEraFrameTitle), BS_GROUPBOX, kFrame1);
  for (int era = 0; era < kEraCount; ++era) {
    const DWORD group = era == 0 ? WS_GROUP : 0;
    eras_.at(static_cast<std::size_t>(era)) =
        MakeControl(window_, L"BUTTON", Wide(kEras.at(static_cast<std::size_t>(era)).caption),
                    BS_AUTORADIOBUTTON | WS_TABSTOP | group, kOption1 + era);
  }
}

void Tarvinel::MakePeriodList() {
  MakeControl(window_, L"STATIC", Wide(design::kPeriodLabelText), SS_CENTER | WS_GROUP,
              kLabel1Period);
  list_ = MakeControl(window_, L"LISTBOX", L"",
                      LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                      kList1, WS_EX_CLIENTEDGE);
  for (const Period& period : kPeriods) {
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(period.name).c_str()));
  }
  SetWindowSubclass(list_, ListProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

void Tarvinel::MakeOutputBox() {
  output_ =
      MakeControl(window_, L"EDIT", L"",
                  ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                  kText1, WS_EX_CLIENTEDGE);
}

// The ages as tooltips: one tool per era button, and one for the list whose text follows the row
// under the pointer.
void Tarvinel::MakeTooltips() {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                             nullptr, instance_, nullptr);
  for (int era = 0; era < kEraCount; ++era) {
    const auto at = static_cast<std::size_t>(era);
    std::wstring age = Wide(AgeText(kEras.at(at).caption, kEraSpans.at(at)));
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(eras_.at(at));
    tool.lpszText = age.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(list_);
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// The list and the output box have no caption of their own: screen readers get their names
// through the platform's annotation service. Each era button is named by its caption.
void Tarvinel::NameForAssistiveTechnology() {
  IAccPropServices* services = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
    return;
  }
  std::wstring listName = Wide(design::kPeriodLabelText);
  std::wstring outputName = Wide(design::kOutputBoxName);
  services->SetHwndPropStr(list_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                           listName.data());
  services->SetHwndPropStr(output_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                           outputName.data());
  VARIANT polite{};
  polite.vt = VT_I4;
  polite.lVal = kPolite;
  services->SetHwndProp(output_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                        kLiveSettingProperty, polite);
  services->Release();
}

// A screen reader does not read a change in a box without the focus, so every report written
// once the window is up is raised to it too: as a UI Automation notification that waits for what
// is being said (the era's "selected", the row's name), or, on Windows before 10 1709, as a
// change of the output box, a polite live region.
void Tarvinel::Announce(const std::wstring& report) {
  static const HMODULE automation = LoadLibraryW(L"uiautomationcore.dll");
  static const auto hostProvider = reinterpret_cast<HostProviderFn>(reinterpret_cast<void*>(
      automation ? GetProcAddress(automation, "UiaHostProviderFromHwnd") : nullptr));
  static const auto raise = reinterpret_cast<RaiseNotificationFn>(reinterpret_cast<void*>(
      automation ? GetProcAddress(automation, "UiaRaiseNotificationEvent") : nullptr));
  IUnknown* provider = nullptr;
  if (hostProvider && raise && SUCCEEDED(hostProvider(output_, &provider)) && provider) {
    BSTR text = SysAllocStringLen(report.data(), static_cast<UINT>(report.size()));
    BSTR activity = SysAllocString(L"tarvinel.report");
    const HRESULT raised = raise(provider, kActionCompleted, kMostRecent, text, activity);
    SysFreeString(activity);
    SysFreeString(text);
    provider->Release();
    if (SUCCEEDED(raised)) return;
  }
  NotifyWinEvent(kLiveRegionChanged, output_, OBJID_CLIENT, CHILDID_SELF);
}

int Tarvinel::Pixels(int twips) const {
  return MulDiv(twips, static_cast<int>(dpi_), design::kTwipsPerInch);
}

void Tarvinel::Place(HWND control, int left, int top, int width, int height) const {
  SetWindowPos(control, nullptr, Pixels(left), Pixels(top), Pixels(width), Pixels(height),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// Places every control and sizes the window for the current DPI, with the designed font.
void Tarvinel::Layout() {
  HFONT old = font_;
  font_ = CreateFontW(-MulDiv(design::kFontPointSize, static_cast<int>(dpi_), 72), 0, 0, 0,
                      design::kFontWeight, FALSE, FALSE, FALSE, design::kFontCharset,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_ROMAN, Wide(design::kFontFamily).c_str());

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
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  }
  SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (old) DeleteObject(old);
  InvalidateRect(window_, nullptr, TRUE);
}

bool Tarvinel::PreTranslate(MSG& message) {
  const bool ours = message.hwnd == window_ || IsChild(window_, message.hwnd);
  if (!ours) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
    MoveFocus((GetKeyState(VK_SHIFT) & 0x8000) == 0);
    return true;
  }
  return IsDialogMessageW(window_, &message) != FALSE;
}

// Tab visits every control in the designed order, each era button included. An auto radio
// button that gets the focus from the keyboard checks itself and reports a click, as if picked
// with an arrow key; Tab only moves the focus, so it hands the focus over the way a mouse press
// does, with the button holding the capture.
void Tarvinel::MoveFocus(bool forward) {
  const auto stopOf = [this](HWND control) {
    for (std::size_t at = 0; at < design::kFocusOrder.size(); ++at) {
      const design::FocusStop stop = design::kFocusOrder.at(at);
      const HWND stopControl = stop.kind == design::FocusStop::Kind::OutputBox ? output_
                               : stop.kind == design::FocusStop::Kind::PeriodList
                                   ? list_
                                   : eras_.at(static_cast<std::size_t>(stop.era));
      if (stopControl == control) return static_cast<int>(at);
    }
    return -1;
  };
  const int size = static_cast<int>(design::kFocusOrder.size());
  const int from = std::max(stopOf(GetFocus()), 0);
  const design::FocusStop next =
      design::kFocusOrder.at(static_cast<std::size_t>((from + (forward ? 1 : size - 1)) % size));
  switch (next.kind) {
    case design::FocusStop::Kind::OutputBox:
      SetFocus(output_);
      SendMessageW(output_, EM_SETSEL, 0, 0);
      break;
    case design::FocusStop::Kind::PeriodList:
      SetFocus(list_);
      break;
    case design::FocusStop::Kind::EraButton: {
      HWND button = eras_.at(static_cast<std::size_t>(next.era));
      SetCapture(button);
      SetFocus(button);
      ReleaseCapture();
      break;
    }
  }
}

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
  HWND button = eras_.at(static_cast<std::size_t>(era));
  std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(button)) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(
      GetWindowTextW(button, caption.data(), static_cast<int>(caption.size()))));
  return Narrow(caption);
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

std::string Tarvinel::Text() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(output_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(output_, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void Tarvinel::SetText(std::string text) {
  const std::wstring report = Wide(text);
  SetWindowTextW(output_, report.c_str());
  if (IsWindowVisible(window_)) Announce(report);
}

LRESULT CALLBACK Tarvinel::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Tarvinel*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Tarvinel*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->Answer(message, wParam, lParam);
}

// The list's own messages: the tooltip follows the row under the pointer.
LRESULT CALLBACK Tarvinel::ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*id*/, DWORD_PTR self) {
  if (message == WM_MOUSEMOVE) {
    auto* window = reinterpret_cast<Tarvinel*>(self);
    const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, lParam);
    const int row = HIWORD(hit) == 0 ? LOWORD(hit) : -1;
    if (row != window->tipRow_) {
      window->tipRow_ = row;
      SendMessageW(window->tooltip_, TTM_POP, 0, 0);
    }
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

HBRUSH Tarvinel::ColourControl(HWND control, HDC dc) {
  const int id = GetDlgCtrlID(control);
  Rgb background = design::kWindowBackground;
  if (id == kLabel1Title || id == kLabel1Period) background = design::kLabelBackground;
  if (id == kFrame1) background = design::kFrameBackground;
  if (id == kList1) background = design::kPeriodListBackground;
  if (id == kText1) background = design::kWhite;
  if (const int era = EraOfControl(id); era >= 0) background = design::EraBackground(era);
  SetTextColor(dc, ToColorRef(design::TextColourFor(background)));
  SetBkColor(dc, ToColorRef(background));
  return BrushOf(background);
}

// The era buttons draw themselves: themed radio buttons ignore the text colour that their parent
// sets, and the two darkest eras need white captions.
LRESULT Tarvinel::PaintEraButton(NMCUSTOMDRAW& draw) {
  if (draw.dwDrawStage != CDDS_PREPAINT) return CDRF_DODEFAULT;
  const int era = EraOfControl(static_cast<int>(draw.hdr.idFrom));
  const Rgb background = design::EraBackground(era);
  HDC dc = draw.hdc;
  RECT area = draw.rc;
  FillRect(dc, &area, BrushOf(background));

  const bool checked = SendMessageW(draw.hdr.hwndFrom, BM_GETCHECK, 0, 0) == BST_CHECKED;
  const int glyph = MulDiv(13, static_cast<int>(dpi_), 96);
  RECT mark{area.left + 1, area.top + (area.bottom - area.top - glyph) / 2, 0, 0};
  mark.right = mark.left + glyph;
  mark.bottom = mark.top + glyph;
  if (HTHEME theme = OpenThemeData(draw.hdr.hwndFrom, L"BUTTON")) {
    int state = checked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL;
    if (draw.uItemState & CDIS_SELECTED)
      state += 2;
    else if (draw.uItemState & CDIS_HOT)
      state += 1;
    DrawThemeBackground(theme, dc, BP_RADIOBUTTON, state, &mark, nullptr);
    CloseThemeData(theme);
  } else {
    DrawFrameControl(dc, &mark, DFC_BUTTON, DFCS_BUTTONRADIO | (checked ? DFCS_CHECKED : 0));
  }

  RECT caption{mark.right + MulDiv(4, static_cast<int>(dpi_), 96), area.top, area.right,
               area.bottom};
  const std::wstring text = Wide(EraCaption(static_cast<std::int16_t>(era)));
  HGDIOBJ oldFont = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(design::TextColourFor(background)));
  RECT measured = caption;
  DrawTextW(dc, text.c_str(), -1, &measured, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT);
  DrawTextW(dc, text.c_str(), -1, &caption, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (draw.uItemState & CDIS_FOCUS) {
    const int height = measured.bottom - measured.top;
    measured.top = caption.top + (caption.bottom - caption.top - height) / 2;
    measured.bottom = measured.top + height;
    DrawFocusRect(dc, &measured);
  }
  SelectObject(dc, oldFont);
  return CDRF_SKIPDEFAULT;
}

LRESULT Tarvinel::Answer(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (const int era = EraOfControl(id); era >= 0 && code == BN_CLICKED) {
        coordinator_.Option1_Click(static_cast<std::int16_t>(era));
      } else if (id == kList1 && code == LBN_SELCHANGE) {
        coordinator_.List1_Click(0);
      }
      return 0;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->code == NM_CUSTOMDRAW && EraOfControl(static_cast<int>(header->idFrom)) >= 0) {
        return PaintEraButton(*reinterpret_cast<NMCUSTOMDRAW*>(lParam));
      }
      if (header->code == TTN_GETDISPINFOW && header->idFrom == reinterpret_cast<UINT_PTR>(list_)) {
        POINT pointer{};
        GetCursorPos(&pointer);
        ScreenToClient(list_, &pointer);
        const LRESULT hit =
            SendMessageW(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(pointer.x, pointer.y));
        const int row = HIWORD(hit) == 0 ? LOWORD(hit) : -1;
        tipText_ = row >= 0 && row < kPeriodCount
                       ? Wide(AgeText(kPeriods.at(static_cast<std::size_t>(row)).name,
                                      kPeriodSpans.at(static_cast<std::size_t>(row))))
                       : std::wstring();
        reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = tipText_.data();
      }
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(
          ColourControl(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      RECT client{};
      GetClientRect(window_, &client);
      FillRect(dc, &client, BrushOf(design::kWindowBackground));
      RECT frame{};
      GetWindowRect(Control(kFrame1), &frame);
      MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&frame), 2);
      FillRect(dc, &frame, BrushOf(design::kFrameBackground));
      return 1;
    }
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wParam);
      const RECT* suggested = reinterpret_cast<RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      Layout();
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus && IsChild(window_, focus)) lastFocus_ = focus;
      } else {
        SetFocus(lastFocus_ ? lastFocus_ : output_);
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

int RunMessageLoop(Tarvinel& window) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace tarvinel::win32
