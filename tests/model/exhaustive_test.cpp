#include <gtest/gtest.h>

#include "qt_driver.hpp"

namespace tarvinel::model {
namespace {

// Every sequence of three actions from the alphabet, starting with the parameter's action, on a
// fresh window each, compared with the model after every action. Together the instances cover
// every single action, every pair and every triple.
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
