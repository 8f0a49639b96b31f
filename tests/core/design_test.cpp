#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "expected_design.hpp"
#include "tarvinel/design.hpp"
#include "tarvinel/reports.hpp"

namespace tarvinel {
namespace {

std::uint32_t Packed(Rgb colour) {
  return (std::uint32_t{colour.r} << 16) | (std::uint32_t{colour.g} << 8) | colour.b;
}

// What every window asks of the design for a control, by the control's design name.
struct Asked {
  const char* name;
  design::Control control;
  int era;
};

TEST(Design, EveryControlHasItsDesignedBackgroundAndTextColour) {
  const Asked controls[] = {
      {"List1_0", design::Control::PeriodList, -1},  {"Frame1", design::Control::EraFrame, -1},
      {"Option1_5", design::Control::EraButton, 5},  {"Option1_4", design::Control::EraButton, 4},
      {"Option1_3", design::Control::EraButton, 3},  {"Option1_2", design::Control::EraButton, 2},
      {"Option1_1", design::Control::EraButton, 1},  {"Option1_0", design::Control::EraButton, 0},
      {"Text1_0", design::Control::OutputBox, -1},   {"Label1_1", design::Control::PeriodLabel, -1},
      {"Label1_0", design::Control::TitleLabel, -1},
  };
  ASSERT_EQ(std::size(controls), std::size(expected::kDesign));
  for (std::size_t at = 0; at < std::size(controls); ++at) {
    const expected::Placed& want = expected::kDesign[at];
    SCOPED_TRACE(want.name);
    ASSERT_STREQ(controls[at].name, want.name);
    const Rgb background = design::BackgroundOf(controls[at].control, controls[at].era);
    EXPECT_EQ(Packed(background), want.background == 0 ? expected::kWhite : want.background);
    EXPECT_EQ(Packed(design::TextColourFor(background)), want.text);
  }
  EXPECT_EQ(Packed(design::BackgroundOf(design::Control::Window)), 0xC0C0FFu);
}

// Tab goes through the output box, the first three eras, the list and the last three eras, and
// round; Shift+Tab the same way back.
TEST(Design, TabAndShiftTabVisitEveryStopInTheDesignedOrder) {
  const auto name = [](std::size_t stop) {
    const design::FocusStop at = design::kFocusOrder.at(stop);
    if (at.kind == design::FocusStop::Kind::OutputBox) return 'O';
    if (at.kind == design::FocusStop::Kind::PeriodList) return 'L';
    return static_cast<char>('0' + at.era);
  };
  std::string visited(1, name(0));
  for (std::size_t stop = 0, step = 0; step < 9; ++step) {
    stop = design::NextFocusStop(stop, true);
    visited += name(stop);
  }
  EXPECT_EQ(visited, "O012L345O0");
  std::string back(1, name(0));
  for (std::size_t stop = 0, step = 0; step < 9; ++step) {
    stop = design::NextFocusStop(stop, false);
    back += name(stop);
  }
  EXPECT_EQ(back, "O543L210O5");
}

TEST(Design, CaptionAndAgesReadAsTheWindowShowsThem) {
  const std::string caption = design::WindowCaption();
  EXPECT_EQ(caption.rfind("https://", 0), 0u) << caption;
  EXPECT_EQ(caption.substr(caption.find(' ')), " Биология - еон, ера, период");
  EXPECT_EQ(design::EraAge(0), "Мезозой: от 251,902 до 66,00 млн. години");
  EXPECT_EQ(design::EraAge(5), "Палеопротерозой: от 2500 до 1600 млн. години");
  EXPECT_EQ(design::PeriodAge(6), "Кватернер: от 2,58 млн. години до днес");
  EXPECT_EQ(design::PeriodAge(21), "Юра: от 201,4 до 143,1 млн. години");
}

// Which arrangement each view gets: a mouse keeps the designed window wherever it fits; a
// finger, or a view too narrow for it, gets the column upright and the row on its side.
TEST(TouchLayout, TheRulePicksTheArrangementByPointerWidthAndOrientation) {
  using design::touch::Arrangement;
  struct View {
    const char* name;
    bool coarse;
    int width;
    int height;
    Arrangement expected;
  };
  const View views[] = {
      {"desktop", false, 1280, 720, Arrangement::Designed},
      {"desktop window just wide enough", false, 461, 345, Arrangement::Designed},
      {"desktop window too narrow", false, 460, 700, Arrangement::Column},
      {"phone 320 x 568", true, 320, 568, Arrangement::Column},
      {"phone 360 x 640", true, 360, 640, Arrangement::Column},
      {"phone 390 x 844", true, 390, 844, Arrangement::Column},
      {"phone on its side 640 x 360", true, 640, 360, Arrangement::Row},
      {"phone on its side 844 x 390", true, 844, 390, Arrangement::Row},
      {"tablet 768 x 1024", true, 768, 1024, Arrangement::Column},
      {"tablet on its side 1024 x 768", true, 1024, 768, Arrangement::Row},
  };
  for (const View& view : views) {
    EXPECT_EQ(design::touch::ArrangementFor(view.coarse, view.width, view.height), view.expected)
        << view.name;
  }
}

TEST(TouchLayout, TheBoxIsAsTallAsTheLongestReport) {
  const FixedCatalogue catalogue;
  std::size_t longest = 0;
  const auto lines = [](const std::string& report) {
    return static_cast<std::size_t>(std::count(report.begin(), report.end(), '\n'));
  };
  for (int era = 0; era < kEraCount; ++era) {
    longest = std::max(longest, lines(ComposeEraReport(catalogue, era)));
  }
  for (std::int16_t row = 0; row < kPeriodCount; ++row) {
    longest = std::max(longest, lines(ComposePeriodReport(catalogue, row)));
  }
  EXPECT_EQ(static_cast<std::size_t>(design::touch::kBoxLines), longest);
}

}  // namespace
}  // namespace tarvinel
