#include <gtest/gtest.h>

#include <random>

#include "model_check.hpp"

namespace tarvinel::model {
namespace {

constexpr int kSteps = 10000;

// A long walk of random actions on one window, compared with the model at every step. A failure
// names the seed and the shortest sequence found that still fails.
class RandomWalk : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(RandomWalk, MatchesTheModelAtEveryStep) {
  const std::vector<Action> alphabet = Alphabet();
  std::mt19937 random(GetParam());
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  ModelCheck check;
  ASSERT_TRUE(check.Start());
  std::vector<Action> walked;
  for (int step = 0; step < kSteps; ++step) {
    walked.push_back(alphabet[pick(random)]);
    check.Do(walked.back());
    const std::string mismatch = check.Mismatch();
    if (!mismatch.empty()) {
      const std::vector<Action> shortest = Shrink(check, walked);
      FAIL() << "seed " << GetParam() << ", step " << step + 1 << ":" << mismatch
             << "\nshortest failing sequence: " << Describe(shortest) << "\n"
             << check.Run(shortest);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomWalk, ::testing::Values(1u, 20261208u, 4242u));

}  // namespace
}  // namespace tarvinel::model
