#include "tarvinel/self_check.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "expected_reports.hpp"
#include "home_toolkit_double.hpp"
#include "self_check_model.hpp"

namespace tarvinel {
namespace {

enum class Pick { Right, Wrong, OtherKind };

// Plays a round from `seed`, each question answered with the picks `script` gives it, the box
// checked by the model after each; a new round is started by one more pick at the end.
class Round {
 public:
  explicit Round(std::uint32_t seed) : round_(pickers_, seed) {
    round_.Start();
    Expect(model_.Opened(pickers_.Text()));
  }

  void Answer(Pick pick) {
    const bool periodAsked = model_.periodAsked();
    const int subject = model_.subject();
    const int rightEra = periodAsked ? expected::kPeriods[subject].era : subject;
    const bool era = periodAsked != (pick == Pick::OtherKind);
    int index = 0;
    if (era) {
      index = pick == Pick::Right ? rightEra : (rightEra + 1) % 6;
    } else {
      while ((expected::kPeriods[index].era == rightEra) != (pick == Pick::Right)) ++index;
    }
    ++(periodAsked ? periodQuestions_ : eraQuestions_);
    if (era) {
      pickers_.SelectEra(static_cast<std::int16_t>(index));
      round_.Option1_Click(static_cast<std::int16_t>(index));
    } else {
      pickers_.SetListIndex(static_cast<std::int16_t>(index));
      round_.List1_Click(0);
    }
    Expect(model_.Answered(era, index, pickers_.Text()));
    EXPECT_EQ(pickers_.CheckedEra(), std::nullopt) << "an era stays checked after " << Box();
    EXPECT_EQ(pickers_.ListIndex(), -1) << "a row stays selected after " << Box();
  }

  void Play(const std::vector<Pick>& script) {
    for (int question = 0; question < 10; ++question) {
      for (Pick pick : script) Answer(pick);
    }
    EXPECT_TRUE(model_.Over());
  }

  std::string Box() const { return pickers_.Text(); }
  int periodQuestions_ = 0;
  int eraQuestions_ = 0;

 private:
  static void Expect(const std::string& mismatch) { EXPECT_EQ(mismatch, "") << mismatch; }

  // The pickers and the box, without a toolkit; a user's pick changes the control, then reports.
  testing::HomeToolkitDouble pickers_{testing::HomeToolkitDouble::Raise::Never};
  SelfCheck round_;
  model::RoundModel model_;
};

struct VerdictCase {
  const char* name;
  std::vector<Pick> script;  // the picks for every question of the round
};

void PrintTo(const VerdictCase& verdictCase, std::ostream* out) { *out << verdictCase.name; }

class SelfCheckVerdicts : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(SelfCheckVerdicts, WholeRoundsMatchTheModelAndANewRoundFollows) {
  int periodQuestions = 0;
  int eraQuestions = 0;
  for (std::uint32_t seed : {1u, 2u, 3u, 20261210u}) {
    Round round(seed);
    round.Play(GetParam().script);
    periodQuestions += round.periodQuestions_;
    eraQuestions += round.eraQuestions_;
    round.Answer(Pick::Right);  // starts a new round, checked as its opening
  }
  EXPECT_GT(periodQuestions, 0);
  EXPECT_GT(eraQuestions, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SelfCheckVerdicts,
    ::testing::Values(VerdictCase{"RightAtOnce", {Pick::Right}},
                      VerdictCase{"AMissThenRight", {Pick::Wrong, Pick::Right}},
                      VerdictCase{"TwoMisses", {Pick::Wrong, Pick::Wrong}},
                      VerdictCase{"OtherKindThenRight", {Pick::OtherKind, Pick::Right}},
                      VerdictCase{"OtherKindSpendsNoTry",
                                  {Pick::Wrong, Pick::OtherKind, Pick::Right}},
                      VerdictCase{"OtherKindBetweenMisses",
                                  {Pick::OtherKind, Pick::Wrong, Pick::OtherKind, Pick::Wrong}}),
    [](const auto& info) { return std::string(info.param.name); });

// Every score from 0 to 20: 2 points for each of the first questions, 1 for one more where the
// score is odd, none for the rest.
TEST(SelfCheckScore, EveryScoreFromNoneToTwentyIsWrittenInWords) {
  for (int points = 0; points <= 20; ++points) {
    SCOPED_TRACE(points);
    Round round(static_cast<std::uint32_t>(100 + points));
    for (int question = 0; question < 10; ++question) {
      if (question < points / 2) {
        round.Answer(Pick::Right);
      } else {
        round.Answer(Pick::Wrong);
        round.Answer(question == points / 2 && points % 2 ? Pick::Right : Pick::Wrong);
      }
    }
    const std::string score = points == 1 ? "Край: 1 точка от 20.\r\n"
                                          : "Край: " + std::to_string(points) + " точки от 20.\r\n";
    EXPECT_NE(round.Box().find(score), std::string::npos) << round.Box();
    EXPECT_EQ(round.Box().find("За преговор: ") == std::string::npos, points == 20);
  }
}

}  // namespace
}  // namespace tarvinel
