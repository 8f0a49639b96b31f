#include <gtest/gtest.h>

#include <QScrollBar>
#include <sstream>

#include "qt_driver.hpp"

namespace tarvinel::model {
namespace {

// Everything of the window that a sequence could leave behind: what the model compares, the
// list's caret row and scrolling, the box's caret and scrolling, the buttons held down, and the
// coordinator's state.
std::string Everything(const QtDriver& driver) {
  const Screen seen = driver.Seen();
  const CoordinatorState& state = driver.window->State();
  std::ostringstream out;
  out << "era " << seen.checkedEra.value_or(-1) << ", row " << seen.selectedRow << ", focus "
      << seen.focus << ", text \"" << seen.text << "\", caret row "
      << driver.List()->currentIndex().row() << ", list scrolled "
      << driver.List()->verticalScrollBar()->value() << ", box caret "
      << driver.Output()->textCursor().position() << ", box scrolled "
      << driver.Output()->verticalScrollBar()->value() << ", guard "
      << static_cast<int>(state.ClickGuard) << ", era index " << state.EraIndex.value_or(-1)
      << ", period index " << state.PeriodIndex.value_or(-1) << ", held down";
  for (int era = 0; era < 6; ++era) out << ' ' << driver.Era(era)->isDown();
  out << ", active " << driver.window->isActiveWindow();
  return out.str();
}

// The exhaustive check restarts one window before each sequence: after any two actions, a
// restarted window is the window as it opens.
TEST(Restart, LeavesTheWindowAsItOpens) {
  std::string opened;
  {
    QtDriver fresh;
    ASSERT_TRUE(fresh.Open());
    opened = Everything(fresh);
  }
  QtDriver driver;
  ASSERT_TRUE(driver.Open());
  int differed = 0;
  for (const Action& first : Alphabet()) {
    for (const Action& second : Alphabet()) {
      driver.Do(first);
      driver.Do(second);
      ASSERT_TRUE(driver.Restart());
      const std::string restarted = Everything(driver);
      if (restarted != opened && ++differed <= 5) {
        ADD_FAILURE() << "after " << Describe({first, second}) << ":\n  " << restarted
                      << "\ninstead of\n  " << opened;
      }
    }
  }
  EXPECT_EQ(differed, 0);
}

// Every sequence of three actions from the alphabet, starting with the parameter's action, from
// the window as it opens, compared with the model after every action. Together the instances
// cover every single action, every pair and every triple.
class EveryTriple : public ::testing::TestWithParam<std::size_t> {};

TEST_P(EveryTriple, MatchesTheModel) {
  const std::vector<Action> alphabet = Alphabet();
  QtDriver driver;
  ModelCheck check(driver, Rules{});
  int failures = 0;
  int sequences = 0;
  for (const Action& second : alphabet) {
    for (const Action& third : alphabet) {
      const std::vector<Action> sequence = {alphabet[GetParam()], second, third};
      ++sequences;
      const std::string mismatch = check.Run(sequence);
      if (!mismatch.empty() && ++failures <= 5) {
        ADD_FAILURE() << Describe(sequence) << ' ' << mismatch;
      }
    }
  }
  EXPECT_EQ(failures, 0) << "of " << sequences << " sequences";
  RecordProperty("sequences", sequences);
}

INSTANTIATE_TEST_SUITE_P(FirstAction, EveryTriple, ::testing::Range<std::size_t>(0, 41),
                         [](const auto& info) {
                           std::string name = Describe(Alphabet()[info.param]);
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return std::to_string(info.param) + "_" + name;
                         });

TEST(Alphabet, HasTheActionsTheTriplesCover) { EXPECT_EQ(Alphabet().size(), 41u); }

}  // namespace
}  // namespace tarvinel::model
