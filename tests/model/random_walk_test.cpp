#include <gtest/gtest.h>

#include "qt_driver.hpp"

namespace tarvinel::model {
namespace {

// A long walk of random actions on one window, compared with the model at every step. A failure
// names the seed and the shortest sequence found that still fails.
class RandomWalkTest : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(RandomWalkTest, MatchesTheModelAtEveryStep) {
  QtDriver driver;
  ModelCheck check(driver, Rules{});
  const std::string failure = RandomWalk(check, GetParam(), 10000);
  EXPECT_TRUE(failure.empty()) << failure;
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomWalkTest, ::testing::Values(1u, 20261208u, 4242u));

// The self-check window: clicks and keys answer its questions, and a walk goes through rounds.
TEST(SelfCheckWalk, MatchesTheModelAtEveryStep) {
  QtDriver driver;
  driver.purpose = design::Purpose::SelfCheck;
  ModelCheck check(driver, Rules{.selfCheck = true});
  const std::string failure = RandomWalk(check, 20261210u, 1000);
  EXPECT_TRUE(failure.empty()) << failure;
}

}  // namespace
}  // namespace tarvinel::model
