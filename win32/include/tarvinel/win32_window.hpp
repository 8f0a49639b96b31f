#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tarvinel/coordinator.hpp"
#include "tarvinel/design.hpp"
#include "tarvinel/self_check.hpp"
#include "tarvinel/tarvinel_view.hpp"
#include "tarvinel/win32_owned.hpp"
#include "tarvinel/win32_text.hpp"

namespace tarvinel::win32 {

class Brushes;
class Tooltips;

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
// only ever met idle. Screen readers get the controls' names when COM runs on the thread. In a
// self-check the window holds a round in place of the coordinator: a click, Space or Enter
// answers, and the arrows, which move the focus and the check, and a list's moves never do.
class Tarvinel final : public TarvinelView {
 public:
  // Creates the window with its designed content, not yet shown. Where that fails, Failure()
  // names the step and Handle() may be null.
  explicit Tarvinel(HINSTANCE instance, design::Purpose purpose = design::Purpose::Reference);
  ~Tarvinel() override;
  Tarvinel(const Tarvinel&) = delete;
  Tarvinel& operator=(const Tarvinel&) = delete;

  const std::wstring& Failure() const { return failure_; }
  // Shows the window with the focus in the output box.
  void Show(int how);
  HWND Handle() const { return window_; }
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  HWND Tooltip() const;
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
  void ClearEras() override;
  std::string Text() const override;
  void SetText(std::string text) override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Answer(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCommand(int id, int code);
  LRESULT OnNotify(NMHDR& header);
  LRESULT OnControlColour(HWND control, HDC dc);
  LRESULT OnEraseBackground(HDC dc);
  LRESULT OnDpiChanged(UINT dpi, const RECT& suggested);
  LRESULT OnActivate(bool active);
  LRESULT OnDestroy();

  bool RegisterWindowClass();
  HWND MakeControl(const wchar_t* kind, const std::string& text, DWORD style, int id,
                   DWORD exStyle = 0);
  void MakeLabels();
  void MakeEraFrame();
  void MakePeriodList();
  void MakeOutputBox();
  void Fail(const wchar_t* step);
  void Layout();
  void Place(HWND control, int left, int top, int width, int height) const;
  int Pixels(int twips) const;
  void MoveFocus(bool forward);
  bool PreTranslateAnswer(MSG& message);
  PickHandler& Picks();

  HINSTANCE instance_;
  std::wstring failure_;
  HWND window_ = nullptr;
  std::array<HWND, 6> eras_{};
  HWND list_ = nullptr;
  HWND output_ = nullptr;
  HWND lastFocus_ = nullptr;
  GdiObject<HFONT> font_;
  UINT dpi_ = 96;
  std::unique_ptr<Brushes> brushes_;
  std::unique_ptr<Tooltips> tooltips_;
  Coordinator coordinator_{*this};
  std::unique_ptr<SelfCheck> selfCheck_;
  bool moving_ = false;  // an arrow key is moving among the era buttons
};

// Runs the program's message loop until the window is closed; returns the exit code.
int RunMessageLoop(Tarvinel& window);

// The program: creates the window the command line asks for and shows it, then runs until it is
// closed and returns 0. Where the window cannot be made, says so in a message box and returns 1.
// --help and --version are answered in a message box (status 0), and so is an argument not
// understood (status 2).
int RunProgram(HINSTANCE instance, int show, const std::vector<std::string>& arguments);
// The program's arguments, its name left out, as the C runtime split them.
std::vector<std::string> ProgramArguments();

}  // namespace tarvinel::win32
