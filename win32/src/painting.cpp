#include "painting.hpp"

#include <uxtheme.h>
#include <vssym32.h>

#include "system_api.hpp"

namespace tarvinel::win32 {
namespace {

// A theme's handle, closed when it goes; null where the platform draws its classic look.
class ThemeData {
 public:
  ThemeData(HWND control, UINT dpi) {
    using OpenForDpiFn = HTHEME(WINAPI*)(HWND, LPCWSTR, UINT);
    static const auto openForDpi =
        SystemFunction<OpenForDpiFn>(L"uxtheme.dll", "OpenThemeDataForDpi");
    theme_ = openForDpi ? openForDpi(control, L"BUTTON", dpi) : OpenThemeData(control, L"BUTTON");
  }
  ThemeData(const ThemeData&) = delete;
  ThemeData& operator=(const ThemeData&) = delete;
  ~ThemeData() {
    if (theme_) CloseThemeData(theme_);
  }
  HTHEME Get() const { return theme_; }

 private:
  HTHEME theme_;
};

}  // namespace

HBRUSH Brushes::Of(Rgb colour) {
  const COLORREF wanted = ToColorRef(colour);
  for (const auto& [made, brush] : made_) {
    if (made == wanted) return brush.Get();
  }
  GdiObject<HBRUSH> brush(CreateSolidBrush(wanted));
  if (!brush) return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  return made_.emplace_back(wanted, std::move(brush)).second.Get();
}

int SystemMetric(int index, UINT dpi) {
  using ForDpiFn = int(WINAPI*)(int, UINT);
  static const auto forDpi = SystemFunction<ForDpiFn>(L"user32.dll", "GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, dpi);
  HDC screen = GetDC(nullptr);
  const int systemDpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), systemDpi);
}

LRESULT PaintEraButton(const NMCUSTOMDRAW& draw, const std::wstring& caption, const EraLook& look) {
  if (draw.dwDrawStage != CDDS_PREPAINT) return CDRF_DODEFAULT;
  HDC dc = draw.hdc;
  RECT area = draw.rc;
  FillRect(dc, &area, look.background);

  const bool checked = SendMessageW(draw.hdr.hwndFrom, BM_GETCHECK, 0, 0) == BST_CHECKED;
  const ThemeData theme(draw.hdr.hwndFrom, look.dpi);
  int state = checked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL;
  if (draw.uItemState & CDIS_SELECTED) {
    state += 2;
  } else if (draw.uItemState & CDIS_HOT) {
    state += 1;
  }
  SIZE glyph{SystemMetric(SM_CXMENUCHECK, look.dpi), SystemMetric(SM_CYMENUCHECK, look.dpi)};
  if (theme.Get())
    GetThemePartSize(theme.Get(), dc, BP_RADIOBUTTON, state, nullptr, TS_DRAW, &glyph);
  RECT mark{area.left + 1, area.top + (area.bottom - area.top - glyph.cy) / 2, 0, 0};
  mark.right = mark.left + glyph.cx;
  mark.bottom = mark.top + glyph.cy;
  if (theme.Get()) {
    DrawThemeBackground(theme.Get(), dc, BP_RADIOBUTTON, state, &mark, nullptr);
  } else {
    DrawFrameControl(dc, &mark, DFC_BUTTON, DFCS_BUTTONRADIO | (checked ? DFCS_CHECKED : 0));
  }

  // The caption stands off the glyph by twice the width of a control's edge, as the platform
  // spaces a radio button's own caption.
  RECT text{mark.right + 2 * SystemMetric(SM_CXEDGE, look.dpi), area.top, area.right, area.bottom};
  HGDIOBJ oldFont = SelectObject(dc, look.font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look.text);
  RECT measured = text;
  DrawTextW(dc, caption.c_str(), -1, &measured, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT);
  DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (draw.uItemState & CDIS_FOCUS) {
    const int height = measured.bottom - measured.top;
    measured.top = text.top + (text.bottom - text.top - height) / 2;
    measured.bottom = measured.top + height;
    DrawFocusRect(dc, &measured);
  }
  SelectObject(dc, oldFont);
  return CDRF_SKIPDEFAULT;
}

}  // namespace tarvinel::win32
