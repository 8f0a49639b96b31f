#pragma once

#include <windows.h>
// After windows.h:
#include <commctrl.h>

#include <array>
#include <cstdint>
#include <string>

#include "tarvinel/coordinator.hpp"
#include "tarvinel/tarvinel_view.hpp"

namespace tarvinel::win32 {

// Control identifiers; an era button's is kOption1 + its era number.
enum ControlId : int {
  kText1 = 100,
  kList1 = 101,
  kFrame1 = 102,
  kLabel1Title = 103,
  kLabel1Period = 104,
  kOption1 = 110,
};

// The main window on the platform's own controls: a group box with six auto radio buttons, a
// list box that notifies, a read-only multi-line edit box and two static labels, placed and
// coloured as designed at the window's DPI, and bound to the coordinator. The controls raise no
// notification for the coordinator's own writes (LB_SETCURSEL, BM_SETCHECK), so the guard is
// only ever met idle.
class Tarvinel final : public TarvinelView {
 public:
  // Creates the window with its designed content, not yet shown.
  explicit Tarvinel(HINSTANCE instance);
  ~Tarvinel() override;
  Tarvinel(const Tarvinel&) = delete;
  Tarvinel& operator=(const Tarvinel&) = delete;

  // Shows the window with the focus in the output box.
  void Show(int how);
  HWND Handle() const { return window_; }
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  HWND Tooltip() const { return tooltip_; }
  UINT Dpi() const { return dpi_; }
  const CoordinatorState& State() const { return coordinator_.State(); }

  // Keyboard handling for a message taken from the queue, before it is dispatched: Tab and
  // Shift+Tab in the designed order, everything else through the dialog manager. True when the
  // message has been handled and must not be dispatched.
  bool PreTranslate(MSG& message);

  std::int16_t PeriodCount() const override;
  std::string PeriodName(std::int16_t row) const override;
  std::string EraNumberText(std::int16_t row) const override;
  std::string EraCaption(std::int16_t era) const override;
  std::int16_t ListIndex() const override;
  void SetListIndex(std::int16_t row) override;
  void SelectEra(std::int16_t era) override;
  std::string Text() const override;
  void SetText(std::string text) override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self);
  LRESULT Answer(UINT message, WPARAM wParam, LPARAM lParam);
  void MakeLabels();
  void MakeEraFrame();
  void MakePeriodList();
  void MakeOutputBox();
  void MakeTooltips();
  void NameForAssistiveTechnology();
  void Announce(const std::wstring& report);
  void Layout();
  void Place(HWND control, int left, int top, int width, int height) const;
  int Pixels(int twips) const;
  LRESULT PaintEraButton(NMCUSTOMDRAW& draw);
  HBRUSH ColourControl(HWND control, HDC dc);
  void MoveFocus(bool forward);

  HINSTANCE instance_;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  std::array<HWND, 6> eras_{};
  HWND list_ = nullptr;
  HWND output_ = nullptr;
  HWND lastFocus_ = nullptr;
  HFONT font_ = nullptr;
  UINT dpi_ = 96;
  bool comStarted_ = false;
  int tipRow_ = -1;
  std::wstring tipText_;
  Coordinator coordinator_{*this};
};

// Runs the program's message loop until the window is closed; returns the exit code.
int RunMessageLoop(Tarvinel& window);

// UTF-8 and the platform's UTF-16.
std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view text);

}  // namespace tarvinel::win32
