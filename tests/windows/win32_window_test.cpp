#include <gtest/gtest.h>
#include <windows.h>
// After windows.h:
#include <commctrl.h>
#include <oleacc.h>

#include <string>

#include "expected_design.hpp"
#include "expected_reports.hpp"
#include "win32_driver.hpp"

namespace tarvinel::testing {
namespace {

class Win32WindowTest : public ::testing::Test, public Win32Driver {
 protected:
  void SetUp() override { ASSERT_TRUE(Open()); }

  HWND ByName(const std::string& name) const {
    if (name == "List1_0") return List();
    if (name == "Text1_0") return Output();
    if (name == "Frame1") return window->Control(win32::kFrame1);
    if (name == "Label1_0") return window->Control(win32::kLabel1Title);
    if (name == "Label1_1") return window->Control(win32::kLabel1Period);
    return Era(name.back() - '0');
  }
  // Where `control` sits in its designed parent's client area, in pixels.
  RECT PlaceOf(HWND control, bool inFrame) const {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window->Handle(), reinterpret_cast<POINT*>(&place), 2);
    if (inFrame) {
      const int left = MulDiv(expected::kFrameLeft, static_cast<int>(window->Dpi()), 1440);
      const int top = MulDiv(expected::kFrameTop, static_cast<int>(window->Dpi()), 1440);
      OffsetRect(&place, -left, -top);
    }
    return place;
  }
  // The screen's pixels of `control` as 0xRRGGBB, from column `fromX` rightwards.
  std::vector<std::uint32_t> Pixels(HWND control, int fromX = 0) const {
    RECT area{};
    GetClientRect(control, &area);
    HDC screen = GetDC(control);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, area.right, area.bottom, screen, 0, 0, SRCCOPY);
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < area.bottom; ++y) {
      for (int x = fromX; x < area.right; ++x) {
        const COLORREF colour = GetPixel(memory, x, y);
        pixels.push_back((GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour));
      }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(control, screen);
    return pixels;
  }
};

std::string WindowText(HWND window) {
  wchar_t text[512]{};
  GetWindowTextW(window, text, 512);
  return win32::Narrow(text);
}

TEST_F(Win32WindowTest, OpensAsDesignedAt96Dpi) {
  ASSERT_EQ(window->Dpi(), 96u);
  RECT client{};
  GetClientRect(window->Handle(), &client);
  EXPECT_EQ(client.right, 461);
  EXPECT_EQ(client.bottom, 345);
  const std::string title = WindowText(window->Handle());
  EXPECT_EQ(title.rfind("https://", 0), 0u) << title;
  EXPECT_NE(title.find(" Биология - еон, ера, период"), std::string::npos) << title;
  EXPECT_EQ(SendMessageW(window->Handle(), WM_GETICON, ICON_BIG, 0) != 0 ||
                GetClassLongPtrW(window->Handle(), GCLP_HICON) != 0,
            true);

  for (const expected::Placed& control : expected::kDesign) {
    SCOPED_TRACE(control.name);
    const std::string name = control.name;
    HWND hwnd = ByName(name);
    const RECT place = PlaceOf(hwnd, name.rfind("Option1", 0) == 0);
    EXPECT_EQ(place.left, control.left / 15);
    EXPECT_EQ(place.top, control.top / 15);
    EXPECT_EQ(place.right - place.left, control.width / 15);
    EXPECT_EQ(place.bottom - place.top, control.height / 15);
    EXPECT_TRUE(IsWindowVisible(hwnd));

    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_STREQ(font.lfFaceName, L"Times New Roman");
    EXPECT_EQ(font.lfHeight, -16);  // 12 points at 96 dpi
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfCharSet, 204);
    EXPECT_FALSE(font.lfItalic || font.lfUnderline || font.lfStrikeOut);
  }
  EXPECT_EQ(CheckedEra(), std::nullopt);
  EXPECT_EQ(SelectedRow(), -1);
  EXPECT_EQ(window->Text().rfind("Историята на Земята", 0), 0u);
}

// What the screen shows: every coloured control in its designed background, and the captions of
// the two darkest eras in white, which themed radio buttons would not draw by themselves.
TEST_F(Win32WindowTest, ControlsShowTheirColoursAndDarkErasWhiteCaptions) {
  UpdateWindow(window->Handle());
  for (const expected::Placed& control : expected::kDesign) {
    if (control.background == 0) continue;
    SCOPED_TRACE(control.name);
    const std::vector<std::uint32_t> pixels = Pixels(ByName(control.name));
    const auto count = [&](std::uint32_t colour) {
      return std::count(pixels.begin(), pixels.end(), colour);
    };
    // The era buttons cover most of the frame.
    EXPECT_GT(count(control.background), static_cast<long>(pixels.size() / 5));
    if (std::string(control.name).rfind("Option1", 0) == 0) {
      const std::vector<std::uint32_t> caption = Pixels(ByName(control.name), 20);
      const auto inCaption = [&](std::uint32_t colour) {
        return std::count(caption.begin(), caption.end(), colour);
      };
      const std::uint32_t other =
          control.text == expected::kWhite ? expected::kBlack : expected::kWhite;
      EXPECT_GT(inCaption(control.text), 10) << "caption in its designed colour";
      EXPECT_LT(inCaption(other), 10) << "caption in the other colour";
    }
  }
}

TEST_F(Win32WindowTest, TheBoxHoldsTheReportAndACopyGivesItByteForByte) {
  ClickEra(4);
  EXPECT_EQ(window->Text(), expected::kEraReports[4]);
  SendMessageW(Output(), EM_SETSEL, 0, -1);
  SendMessageW(Output(), WM_COPY, 0, 0);
  ASSERT_TRUE(OpenClipboard(window->Handle()));
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const std::string copied =
      data ? win32::Narrow(static_cast<const wchar_t*>(GlobalLock(data))) : "";
  if (data) GlobalUnlock(data);
  CloseClipboard();
  EXPECT_EQ(copied, expected::kEraReports[4]);

  SetFocus(Output());
  for (wchar_t typed : std::wstring(L"xyz\b")) Type(typed);
  PressKey(VK_DELETE);
  EXPECT_EQ(window->Text(), expected::kEraReports[4]) << "the box is read-only";
}

// The toolkit may report a list click with nothing selected; nothing changes then.
TEST_F(Win32WindowTest, AListNotificationWithNoSelectedRowChangesNothing) {
  const std::string statement = window->Text();
  SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(win32::kList1, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(List()));
  EXPECT_EQ(window->Text(), statement);
  EXPECT_EQ(CheckedEra(), std::nullopt);
  EXPECT_EQ(window->State().ClickGuard, Guard::Idle);
}

TEST_F(Win32WindowTest, TypeAheadPicksThePeriodThatStartsWithTheLetter) {
  SetFocus(List());
  Type(L'Ю');
  EXPECT_EQ(SelectedRow(), 21);
  EXPECT_EQ(window->Text(), expected::PeriodReport(21));
  EXPECT_EQ(CheckedEra(), 0);
}

TEST_F(Win32WindowTest, TooltipsTellTheAgesOfErasAndRows) {
  EXPECT_EQ(SendMessageW(window->Tooltip(), TTM_GETTOOLCOUNT, 0, 0), 7);
  const auto tipOf = [this](HWND tool) {
    wchar_t text[256]{};
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = window->Handle();
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text;
    SendMessageW(window->Tooltip(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
    return win32::Narrow(text);
  };
  EXPECT_EQ(tipOf(Era(0)), "Мезозой: от 251,902 до 66,00 млн. години");
  EXPECT_EQ(tipOf(Era(2)), "Неозой: от 66,00 млн. години до днес");
  ClickRow(13);
  RECT row{};
  SendMessageW(List(), LB_GETITEMRECT, 13, reinterpret_cast<LPARAM>(&row));
  POINT pointer{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
  ClientToScreen(List(), &pointer);
  SetCursorPos(pointer.x, pointer.y);
  EXPECT_EQ(tipOf(List()), "Перм: от 298,9 до 251,902 млн. години");
}

TEST_F(Win32WindowTest, ScreenReadersNameEachEraByItsCaption) {
  for (int era = 0; era < 6; ++era) {
    IAccessible* accessible = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(Era(era), static_cast<DWORD>(OBJID_CLIENT),
                                         IID_IAccessible, reinterpret_cast<void**>(&accessible)),
              S_OK);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    EXPECT_EQ(accessible->get_accName(self, &name), S_OK);
    EXPECT_EQ(win32::Narrow(name ? name : L""), expected::kEraCaptions[era]);
    SysFreeString(name);
    accessible->Release();
  }
}

constexpr DWORD kLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
std::vector<HWND> liveRegionChanges;

void CALLBACK RecordLiveRegion(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
  if (object == OBJID_CLIENT) liveRegionChanges.push_back(window);
}

// Without UI Automation's notification (Windows before 10 1709, and Wine), a report reaches a
// screen reader as a change of the output box, which then holds the report.
TEST_F(Win32WindowTest, EveryReportIsRaisedToScreenReaders) {
  HWINEVENTHOOK hook =
      SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, RecordLiveRegion,
                      GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  liveRegionChanges.clear();
  ClickEra(4);
  Pump();
  ASSERT_EQ(liveRegionChanges, std::vector<HWND>{Output()});
  EXPECT_EQ(window->Text(), expected::kEraReports[4]);
  EXPECT_EQ(GetFocus(), Era(4)) << "the focus stays on the era";
  SetFocus(List());
  liveRegionChanges.clear();
  PressKey(VK_DOWN);
  Pump();
  EXPECT_EQ(liveRegionChanges, std::vector<HWND>{Output()});
  EXPECT_EQ(window->Text(), expected::PeriodReport(0));
  UnhookWinEvent(hook);
}

TEST_F(Win32WindowTest, ANewDpiLaysTheWindowOutAgain) {
  RECT suggested{};
  GetWindowRect(window->Handle(), &suggested);
  SendMessageW(window->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  ASSERT_EQ(window->Dpi(), 144u);
  RECT client{};
  GetClientRect(window->Handle(), &client);
  EXPECT_EQ(client.right, MulDiv(6915, 144, 1440));
  EXPECT_EQ(client.bottom, MulDiv(5175, 144, 1440));
  const RECT list = PlaceOf(List(), false);
  EXPECT_EQ(list.left, MulDiv(4320, 144, 1440));
  EXPECT_EQ(list.right - list.left, MulDiv(2415, 144, 1440));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(List(), WM_GETFONT, 0, 0)), sizeof(font), &font);
  EXPECT_EQ(font.lfHeight, -24);
}

TEST_F(Win32WindowTest, ClosingTheWindowEndsTheProgramWithStatusZero) {
  ClickEra(3);
  PostMessageW(window->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(win32::RunMessageLoop(*window), 0);
  EXPECT_FALSE(IsWindow(window->Handle()));
}

// Refuses to make the program's window, and records and closes the message box shown instead.
std::wstring refusedBoxText;
BOOL CALLBACK CollectText(HWND child, LPARAM /*unused*/) {
  wchar_t text[256]{};
  GetWindowTextW(child, text, 256);
  refusedBoxText += text;
  return TRUE;
}
BOOL CALLBACK CountProgramWindows(HWND window, LPARAM count) {
  wchar_t kind[64]{};
  GetClassNameW(window, kind, 64);
  if (std::wstring(kind) == L"TarvinelWindow") ++*reinterpret_cast<int*>(count);
  return TRUE;
}
LRESULT CALLBACK RefuseTheWindow(int code, WPARAM wParam, LPARAM lParam) {
  const auto window = reinterpret_cast<HWND>(wParam);
  wchar_t kind[64]{};
  GetClassNameW(window, kind, 64);
  if (code == HCBT_CREATEWND && std::wstring(kind) == L"TarvinelWindow") return 1;
  if (code == HCBT_ACTIVATE && std::wstring(kind) == L"#32770") {
    EnumChildWindows(window, CollectText, 0);
    PostMessageW(window, WM_COMMAND, IDOK, 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A window that cannot be made leaves no hidden process waiting: the program names what failed
// and ends with a status that says so.
TEST(Win32Program, AWindowThatCannotBeMadeIsReportedAndEndsTheProgram) {
  const win32::ComApartment com;
  HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseTheWindow, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  refusedBoxText.clear();
  EXPECT_EQ(win32::RunProgram(GetModuleHandleW(nullptr), SW_SHOWNORMAL, {}), 1);
  UnhookWindowsHookEx(hook);
  EXPECT_NE(refusedBoxText.find(L"CreateWindowExW"), std::wstring::npos)
      << win32::Narrow(refusedBoxText);
  int left = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountProgramWindows, reinterpret_cast<LPARAM>(&left));
  EXPECT_EQ(left, 0) << "no window of the program is left behind";
}

// --help, --version and an argument not understood are each answered in a message box, and no
// window is made.
TEST(Win32Program, AnswersItsCommandLineInAMessageBox) {
  const struct {
    std::vector<std::string> arguments;
    int status;
    const wchar_t* says;
  } kCases[] = {{{"--help"}, 0, L"Usage: tarvinel [--self-check]"},
                {{"--self-check", "--version"}, 0, L"tarvinel 1.00"},
                {{"--self-check", "-x"}, 2, L"tarvinel: unknown argument -x"}};
  const win32::ComApartment com;
  for (const auto& command : kCases) {
    HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseTheWindow, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    refusedBoxText.clear();
    EXPECT_EQ(win32::RunProgram(GetModuleHandleW(nullptr), SW_SHOWNORMAL, command.arguments),
              command.status);
    UnhookWindowsHookEx(hook);
    EXPECT_NE(refusedBoxText.find(command.says), std::wstring::npos)
        << win32::Narrow(refusedBoxText);
  }
}

}  // namespace
}  // namespace tarvinel::testing
