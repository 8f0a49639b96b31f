#include "tarvinel/win32_window.hpp"

// After windows.h:
#include <commctrl.h>

#include "accessibility.hpp"
#include "painting.hpp"
#include "system_api.hpp"
#include "tarvinel/design.hpp"
#include "tooltips.hpp"

namespace tarvinel::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"TarvinelWindow";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Windows 10's per-window DPI, or the system's on older Windows.
UINT DpiOf(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpi = SystemFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
  if (getDpi) return getDpi(window);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return static_cast<UINT>(dpi);
}

int EraOfControl(int id) {
  const int era = id - kOption1;
  return era >= 0 && era < kEraCount ? era : -1;
}

design::Control DesignedControl(int id) {
  switch (id) {
    case kLabel1Title:
      return design::Control::TitleLabel;
    case kLabel1Period:
      return design::Control::PeriodLabel;
    case kFrame1:
      return design::Control::EraFrame;
    case kList1:
      return design::Control::PeriodList;
    case kText1:
      return design::Control::OutputBox;
    default:
      return EraOfControl(id) >= 0 ? design::Control::EraButton : design::Control::Window;
  }
}

}  // namespace

Tarvinel::Tarvinel(HINSTANCE instance, design::Purpose purpose)
    : instance_(instance),
      brushes_(std::make_unique<Brushes>()),
      tooltips_(std::make_unique<Tooltips>()) {
  if (purpose == design::Purpose::SelfCheck) {
    selfCheck_ = std::make_unique<SelfCheck>(*this, static_cast<std::uint32_t>(GetTickCount64()));
  }
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  if (!RegisterWindowClass()) {
    Fail(L"RegisterClassExW");
    return;
  }
  const std::wstring caption = Wide(design::WindowCaption(purpose));
  if (!CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, caption.c_str(), kWindowStyle,
                       CW_USEDEFAULT, CW_USEDEFAULT, 480, 400, nullptr, nullptr, instance_, this)) {
    Fail(L"CreateWindowExW");
    return;
  }
  dpi_ = DpiOf(window_);

  // Creation order is the order of the controls on screen and for assistive technology: each
  // label comes just before what it names.
  MakeLabels();
  MakeEraFrame();
  MakePeriodList();
  MakeOutputBox();
  if (!failure_.empty()) return;
  tooltips_->Make(window_, eras_, list_);
  NameForAssistiveTechnology(list_, output_);
  Layout();
  if (selfCheck_) {
    selfCheck_->Start();
  } else {
    SetText(design::kExerciseStatement);
  }
}

PickHandler& Tarvinel::Picks() {
  if (selfCheck_) return *selfCheck_;
  return coordinator_;
}

Tarvinel::~Tarvinel() {
  if (IsWindow(window_)) DestroyWindow(window_);
}

void Tarvinel::Fail(const wchar_t* step) {
  if (failure_.empty()) failure_ = step + (L": " + std::to_wstring(GetLastError()));
}

HWND Tarvinel::Tooltip() const { return tooltips_->Handle(); }

void Tarvinel::Show(int how) {
  ShowWindow(window_, how);
  UpdateWindow(window_);
  SetFocus(output_);
}

// Registered once for the program's run; a second window of the program finds it there.
bool Tarvinel::RegisterWindowClass() {
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
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND Tarvinel::MakeControl(const wchar_t* kind, const std::string& text, DWORD style, int id,
                           DWORD exStyle) {
  HWND control = CreateWindowExW(exStyle, kind, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                                 0, 0, 0, 0, window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),  // NOLINT
                                 instance_, nullptr);
  if (!control) Fail(L"CreateWindowExW");
  return control;
}

void Tarvinel::MakeLabels() {
  MakeControl(
      L"STATIC",
      design::TitleLabelText(selfCheck_ ? design::Purpose::SelfCheck : design::Purpose::Reference),
      SS_CENTER, kLabel1Title);
}

void Tarvinel::MakeEraFrame() {
  MakeControl(L"BUTTON", design::kEraFrameTitle, BS_GROUPBOX, kFrame1);
  for (int era = 0; era < kEraCount; ++era) {
    const DWORD group = era == 0 ? WS_GROUP : 0;
    eras_.at(static_cast<std::size_t>(era)) =
        MakeControl(L"BUTTON", std::string(kEras.at(static_cast<std::size_t>(era)).caption),
                    BS_AUTORADIOBUTTON | WS_TABSTOP | group, kOption1 + era);
  }
}

void Tarvinel::MakePeriodList() {
  MakeControl(L"STATIC", design::kPeriodLabelText, SS_CENTER | WS_GROUP, kLabel1Period);
  list_ = MakeControl(L"LISTBOX", {},
                      LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                      kList1, WS_EX_CLIENTEDGE);
  for (const Period& period : kPeriods) {
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(period.name).c_str()));
  }
}

void Tarvinel::MakeOutputBox() {
  output_ = MakeControl(
      L"EDIT", {}, ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
      kText1, WS_EX_CLIENTEDGE);
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

// One message, one line: each is answered by its own handler.
LRESULT Tarvinel::Answer(UINT message, WPARAM wParam, LPARAM lParam) {
  // clang-format off
  switch (message) {
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC: case WM_CTLCOLORLISTBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORBTN:
      return OnControlColour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: case WM_PRINTCLIENT: return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_DPICHANGED: return OnDpiChanged(HIWORD(wParam), *reinterpret_cast<RECT*>(lParam));
    case WM_ACTIVATE: return OnActivate(LOWORD(wParam) != WA_INACTIVE);
    case WM_DESTROY: return OnDestroy();
    default: return DefWindowProcW(window_, message, wParam, lParam);
  }
  // clang-format on
}

LRESULT Tarvinel::OnCommand(int id, int code) {
  if (const int era = EraOfControl(id); era >= 0 && code == BN_CLICKED) {
    if (!moving_) Picks().Option1_Click(static_cast<std::int16_t>(era));
  } else if (id == kList1 && code == LBN_SELCHANGE && Picks().MovesPick()) {
    Picks().List1_Click(0);
  }
  return 0;
}

LRESULT Tarvinel::OnNotify(NMHDR& header) {
  if (const int era = EraOfControl(static_cast<int>(header.idFrom));
      header.code == NM_CUSTOMDRAW && era >= 0) {
    const Rgb background = design::BackgroundOf(design::Control::EraButton, era);
    return PaintEraButton(reinterpret_cast<NMCUSTOMDRAW&>(header),
                          Wide(EraCaption(static_cast<std::int16_t>(era))),
                          {brushes_->Of(background), ToColorRef(design::TextColourFor(background)),
                           font_.Get(), dpi_});
  }
  if (tooltips_->IsListRequest(header)) {
    tooltips_->AnswerListRequest(reinterpret_cast<NMTTDISPINFOW&>(header));
  }
  return 0;
}

LRESULT Tarvinel::OnControlColour(HWND control, HDC dc) {
  const int id = GetDlgCtrlID(control);
  const Rgb background = design::BackgroundOf(DesignedControl(id), EraOfControl(id));
  SetTextColor(dc, ToColorRef(design::TextColourFor(background)));
  SetBkColor(dc, ToColorRef(background));
  return reinterpret_cast<LRESULT>(brushes_->Of(background));
}

LRESULT Tarvinel::OnEraseBackground(HDC dc) {
  RECT client{};
  GetClientRect(window_, &client);
  FillRect(dc, &client, brushes_->Of(design::BackgroundOf(design::Control::Window)));
  RECT frame{};
  GetWindowRect(Control(kFrame1), &frame);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&frame), 2);
  FillRect(dc, &frame, brushes_->Of(design::BackgroundOf(design::Control::EraFrame)));
  return 1;
}

LRESULT Tarvinel::OnDpiChanged(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  Layout();
  return 0;
}

// The focus comes back to where it was when the window was left.
LRESULT Tarvinel::OnActivate(bool active) {
  if (!active) {
    if (HWND focus = GetFocus(); focus && IsChild(window_, focus)) lastFocus_ = focus;
  } else {
    SetFocus(lastFocus_ ? lastFocus_ : output_);
  }
  return 0;
}

LRESULT Tarvinel::OnDestroy() {
  PostQuitMessage(0);
  return 0;
}

}  // namespace tarvinel::win32
