#include <gtest/gtest.h>

#include "win32_driver.hpp"

namespace tarvinel::testing {
namespace {

// Where the platform's own controls behave differently from the Qt window's rules: arrow keys
// among auto radio buttons go round the group and pick the button they reach, and a list box
// with no selection starts every key from its caret row.
constexpr model::Rules kWin32Rules{true, true};

class Win32RandomWalk : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(Win32RandomWalk, MatchesTheModelAtEveryStep) {
  Win32Driver driver;
  model::ModelCheck check(driver, kWin32Rules);
  const std::string failure = model::RandomWalk(check, GetParam(), 3000);
  EXPECT_TRUE(failure.empty()) << failure;
}

INSTANTIATE_TEST_SUITE_P(Seeds, Win32RandomWalk, ::testing::Values(1u, 20261208u));

// The self-check window: clicks and the platform's own keys answer, and a walk goes through
// rounds.
TEST(Win32SelfCheckWalk, MatchesTheModelAtEveryStep) {
  Win32Driver driver;
  driver.purpose = design::Purpose::SelfCheck;
  model::ModelCheck check(
      driver, {.erasArrowsPickInARing = true, .listKeysFromCaret = true, .selfCheck = true});
  const std::string failure = model::RandomWalk(check, 20261210u, 1000);
  EXPECT_TRUE(failure.empty()) << failure;
}

}  // namespace
}  // namespace tarvinel::testing
