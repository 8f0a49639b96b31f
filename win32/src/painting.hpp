#pragma once

#include <windows.h>
// After windows.h:
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "tarvinel/catalogue.hpp"
#include "tarvinel/win32_owned.hpp"

namespace tarvinel::win32 {

inline COLORREF ToColorRef(Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

// Solid brushes of the designed colours, each made once and kept as long as the window.
class Brushes {
 public:
  HBRUSH Of(Rgb colour);

 private:
  std::vector<std::pair<COLORREF, GdiObject<HBRUSH>>> made_;
};

// A system metric at `dpi`, for the monitor the window is on.
int SystemMetric(int index, UINT dpi);

// What an era button is drawn with.
struct EraLook {
  HBRUSH background;
  COLORREF text;
  HFONT font;
  UINT dpi;
};

// Draws an era button in full at its prepaint stage: its background, the radio glyph (themed, or
// classic), the caption and the focus rectangle. Themed radio buttons ignore the text colour that
// their parent sets, and the two darkest eras need white captions.
LRESULT PaintEraButton(const NMCUSTOMDRAW& draw, const std::wstring& caption, const EraLook& look);

}  // namespace tarvinel::win32
