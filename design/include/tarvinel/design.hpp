#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tarvinel/catalogue.hpp"

// The window's design, shared by every window of the program: every place and size in twips as
// drawn, relative to the parent's client area (the era buttons sit inside the frame), the
// colours, the font, the captions and texts, and the focus order. Each window only converts
// twips and colours into its toolkit's own units.
namespace tarvinel::design {

struct Twips {
  int left;
  int top;
  int width;
  int height;
};

// 15 twips make a pixel at 96 dots per inch.
inline constexpr int kTwipsPerInch = 1440;

inline constexpr Twips kClientArea{0, 0, 6915, 5175};
inline constexpr Twips kTitleLabel{960, 0, 4575, 375};
inline constexpr Twips kEraFrame{120, 600, 3495, 2295};
inline constexpr Twips kPeriodLabel{4320, 600, 2415, 300};
inline constexpr Twips kPeriodList{4320, 900, 2415, 2055};
inline constexpr Twips kOutputBox{120, 3120, 6735, 1935};

// Inside the frame, era e's button sits 300 twips below era e - 1's.
constexpr Twips EraButton(int era) { return {120, 300 + 300 * era, 3255, 300}; }

inline constexpr Rgb kWindowBackground{0xC0, 0xC0, 0xFF};
inline constexpr Rgb kFrameBackground{0x80, 0xFF, 0x80};
inline constexpr Rgb kPeriodListBackground{0x80, 0x80, 0xFF};
inline constexpr Rgb kLabelBackground{0xFF, 0xC0, 0x80};
inline constexpr Rgb kBlack{0x00, 0x00, 0x00};
inline constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};

// The background of era e's button.
Rgb EraBackground(int era);

// The window and its controls, for the rules that every window applies to each of them alike.
enum class Control { Window, TitleLabel, EraFrame, EraButton, PeriodLabel, PeriodList, OutputBox };

// The designed background of a control; `era` names the button of an era. The output box has the
// platform's default, white.
Rgb BackgroundOf(Control control, int era = -1);

// Black or white, whichever reads better on `background` (WCAG contrast ratio).
Rgb TextColourFor(Rgb background);

inline constexpr const char* kFontFamily = "Times New Roman";
inline constexpr int kFontPointSize = 12;
inline constexpr int kFontWeight = 400;
inline constexpr int kFontCharset = 204;  // Cyrillic

inline constexpr const char* kPublisherAddress = "https://tarvinel.example.org";
inline constexpr const char* kWindowTitle = "Биология - еон, ера, период";
inline constexpr const char* kTitleLabelText = "Биология - ера и период";
inline constexpr const char* kEraFrameTitle = "Име на ера";
inline constexpr const char* kPeriodLabelText = "Име на период";
inline constexpr const char* kOutputBoxName = "Резултат";

// The designed window answers; its self-check, of the same design, asks, and the pickers answer.
enum class Purpose { Reference, SelfCheck };
inline constexpr const char* kSelfCheckTitle = "Самопроверка - ера и период";
// What the title label reads.
const char* TitleLabelText(Purpose purpose);

// The window's caption: the publisher's address, a blank, the title.
std::string WindowCaption(Purpose purpose = Purpose::Reference);

// The command line, once the toolkit has taken its own arguments: the window to open, or what to
// say instead. --help and --version win over everything else; any other argument but
// --self-check is refused, the first one named.
struct CommandLine {
  enum class Ask { Open, Help, Version, Refuse } ask = Ask::Open;
  Purpose purpose = Purpose::Reference;
  std::string refused;
};
CommandLine ReadCommandLine(const std::vector<std::string>& arguments);
// What the program says for each, in English, every line ending in LF.
std::string HelpText();
std::string VersionText(std::string_view version);
std::string RefusalText(std::string_view argument);

// The web edition opens each window as a page of its own, and each page links to the other with
// this text. For a mouse the link stands outside the designed window, kPageLinkGap pixels below
// its left corner; a touch layout gives it the grid's "link" area, a target like the others.
inline constexpr const char* kSelfCheckLinkText = "Самопроверка";
inline constexpr const char* kReferenceLinkText = "Справка";
inline constexpr int kPageLinkGap = 8;
// The text of the link on the page of `purpose`: the other page's.
const char* PageLinkText(Purpose purpose);

// When an era or a period began and ended, as its tooltip and description tell it.
std::string EraAge(int era);
std::string PeriodAge(int row);

// The exercise statement that the output box holds until the first pick, CR LF after every line.
extern const char* const kExerciseStatement;

// The controls that take the keyboard focus, in the order Tab visits them: the output box, the
// first three eras, the period list, the last three eras. Shift+Tab goes the other way.
struct FocusStop {
  enum class Kind { OutputBox, EraButton, PeriodList } kind;
  int era = -1;  // for an era button
};
inline constexpr std::array<FocusStop, 8> kFocusOrder{{
    {FocusStop::Kind::OutputBox},
    {FocusStop::Kind::EraButton, 0},
    {FocusStop::Kind::EraButton, 1},
    {FocusStop::Kind::EraButton, 2},
    {FocusStop::Kind::PeriodList},
    {FocusStop::Kind::EraButton, 3},
    {FocusStop::Kind::EraButton, 4},
    {FocusStop::Kind::EraButton, 5},
}};

// Where Tab (forwards) or Shift+Tab goes from stop `from` of kFocusOrder, round at either end; or
// of an order of `size` stops that begins with kFocusOrder's.
constexpr std::size_t NextFocusStop(std::size_t from, bool forward,
                                    std::size_t size = kFocusOrder.size()) {
  return (from % size + (forward ? 1 : size - 1)) % size;
}

// The same window laid out for a finger: on phones and tablets, either way up, and in any view
// too narrow for the designed window. The same controls, captions, colours and order, in a grid
// that fills the view, every target large enough to tap, the box tall enough for the longest
// report. Sizes are in CSS pixels.
namespace touch {

// Views narrower than this cannot show the designed window whole: its width in CSS pixels.
inline constexpr int kDesignedWidth = kClientArea.width * 96 / kTwipsPerInch;
static_assert(kDesignedWidth * kTwipsPerInch == kClientArea.width * 96);
// The smaller side of an era button or a period row: a fingertip's target.
inline constexpr int kTarget = 44;
// The box's text; below 16 pixels, iOS zooms the page into the box.
inline constexpr int kBoxTextSize = 16;
inline constexpr double kLineHeight = 1.2;  // of the text's size
// The longest report's lines: Палеозой's, its heading, its periods' heading and six periods.
inline constexpr int kBoxLines = 8;
// Between the controls, and around them.
inline constexpr int kGap = 8;

enum class Arrangement {
  Designed,  // the designed window, as a mouse gets it
  Column,    // upright: the title, the eras beside the list, the box below them
  Row,       // on its side: the title, then the eras, the list and the box side by side
};

// The rule that picks the arrangement: the designed window for a fine pointer in a view wide
// enough for it; otherwise by the view's orientation.
constexpr Arrangement ArrangementFor(bool coarsePointer, int width, int height) {
  if (!coarsePointer && width >= kDesignedWidth) return Arrangement::Designed;
  return height >= width ? Arrangement::Column : Arrangement::Row;
}

// An arrangement as a grid: its columns' and rows' sizes and its areas row by row, by the names
// "title", "link" (the page link's), "eras", "label" (the list's), "list" and "box".
struct Grid {
  const char* columns;
  const char* rows;
  std::array<const char*, 4> areas;
};
inline constexpr Grid kColumnGrid{
    "auto minmax(0, 1fr) auto",
    "auto auto minmax(0, 1fr) auto",
    {"title title link", "eras label label", "eras list list", "box box box"}};
inline constexpr Grid kRowGrid{
    "auto auto minmax(0, 1fr) auto",
    "auto auto minmax(0, 1fr)",
    {"title title title link", "eras label box box", "eras list box box", nullptr}};

}  // namespace touch

}  // namespace tarvinel::design
