#include "tarvinel/self_check.hpp"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tarvinel/scorm12_record.hpp"

#include "expected_reports.hpp"
#include "home_toolkit_double.hpp"
#include "self_check_model.hpp"

namespace tarvinel {
namespace {

enum class Pick { Right, Wrong, OtherKind };

// Plays a round from `seed`, each question answered with the picks `script` gives it, the box
// checked by the model after each; a new round is started by one more pick at the end. With a
// record, the round is kept there, and goes on where the model `before` was left.
class Round {
 public:
  explicit Round(std::uint32_t seed, RoundRecord* record = nullptr,
                 const model::RoundModel* before = nullptr)
      : round_(pickers_, seed) {
    record ? round_.Open(*record) : round_.Start();
    Expect(before ? (model_ = *before).Resumed(Box()) : model_.Opened(Box()));
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
  const model::RoundModel& model() const { return model_; }
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

// A learning platform as a package meets one: the values set, kept across launches; the entry
// "resume" after the exit "suspend".
class FakePlatform : public Scorm12Api {
 public:
  void Launch() { entry_ = values["cmi.core.exit"] == "suspend" ? "resume" : ""; }
  bool LMSInitialize() override { return true; }
  std::string LMSGetValue(const std::string& element) override {
    int count = 0;
    while (values.contains("cmi.interactions." + std::to_string(count) + ".id")) ++count;
    if (element == "cmi.interactions._count") return std::to_string(count);
    return element == "cmi.core.entry" ? entry_ : values[element];
  }
  bool LMSSetValue(const std::string& element, const std::string& value) override {
    values[element] = value;
    return true;
  }
  bool LMSCommit() override { return true; }
  bool LMSFinish() override {
    ++finishes;
    return true;
  }
  std::string LMSGetLastError() override { return "0"; }

  std::map<std::string, std::string> values;
  int finishes = 0;

 private:
  std::string entry_;
};

std::chrono::milliseconds Launched() { return std::chrono::milliseconds(61234); }

// Four questions right, a first miss on the fifth, and the tab closed; the next launch goes on
// with the fifth question, its second miss and 8 points, and ends the round with the points of
// both launches; the launch after it starts a new round.
TEST(SelfCheckRecord, ARoundBrokenOffGoesOnInTheNextLaunch) {
  FakePlatform platform;
  model::RoundModel before;
  {
    Scorm12Record record(platform, Launched);
    Round round(7u, &record);
    for (int question = 0; question < 4; ++question) round.Answer(Pick::Right);
    round.Answer(Pick::Wrong);
    record.Close();
    before = round.model();
  }
  EXPECT_EQ(platform.finishes, 1);
  EXPECT_EQ(platform.values["cmi.core.lesson_status"], "incomplete");
  EXPECT_EQ(platform.values["cmi.core.session_time"], "0000:01:01.23");
  platform.Launch();
  {
    Scorm12Record record(platform, Launched);
    Round round(8u, &record, &before);
    round.Answer(Pick::Wrong);
    for (int question = 5; question < 10; ++question) round.Answer(Pick::Right);
  }
  EXPECT_EQ(platform.values["cmi.core.score.raw"], "90");
  EXPECT_EQ(platform.values["cmi.core.lesson_status"], "completed");
  EXPECT_EQ(platform.values["cmi.interactions.4.result"], "wrong");
  const std::string answers = platform.values["cmi.interactions.4.student_response"];
  ASSERT_NE(answers.find(", "), std::string::npos) << answers;
  EXPECT_NE(answers.substr(0, answers.find(", ")),
            platform.values["cmi.interactions.4.correct_responses.0.pattern"]);
  EXPECT_EQ(platform.values["cmi.interactions.9.result"], "correct");
  EXPECT_EQ(platform.values["cmi.suspend_data"], "");
  EXPECT_EQ(platform.values["cmi.core.exit"], "");
  platform.Launch();
  Scorm12Record record(platform, Launched);
  Round round(9u, &record);
}

TEST(SelfCheckRecord, TheStatusIsCompletedOrAgainstTheMasteryScorePassedOrFailed) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "completed"}, {"50", "passed"}, {"50.5", "failed"}, {"pass", "completed"}};
  for (const auto& [mastery, status] : cases) {
    SCOPED_TRACE(mastery);
    FakePlatform platform;
    platform.values["cmi.student_data.mastery_score"] = mastery;
    Scorm12Record record(platform, Launched);
    Round round(11u, &record);
    for (int question = 0; question < 10; ++question) {
      round.Answer(question < 5 ? Pick::Right : Pick::Wrong);
      if (question >= 5) round.Answer(Pick::Wrong);
    }
    EXPECT_EQ(platform.values["cmi.core.score.raw"], "50");
    EXPECT_EQ(platform.values["cmi.core.lesson_status"], status);
  }
}

TEST(SelfCheckRecord, AStateThatNoRoundCouldBeInStartsANewRound) {
  const std::string questions = "p0,p1,p2,p3,p4,p5,p6,p7,p8,p9";
  const std::string states[] = {"",
                                "2:" + questions + "::",
                                "1:p0,p1,p2,p3,p4,p5,p6,p7,p8::",
                                "1:p0,p0,p2,p3,p4,p5,p6,p7,p8,p9::",
                                "1:p22,p1,p2,p3,p4,p5,p6,p7,p8,p9::",
                                "1:e6,p1,p2,p3,p4,p5,p6,p7,p8,p9::",
                                "1:" + questions + ":3:",
                                "1:" + questions + ":2222222222:",
                                "1:" + questions + "::4",
                                "1:" + questions + "::+5",
                                "1:" + questions + "::6",
                                "1:" + questions + ":",
                                " 1:" + questions + "::"};
  for (const std::string& state : states) {
    SCOPED_TRACE(state);
    FakePlatform platform;
    platform.values["cmi.suspend_data"] = state;
    platform.values["cmi.core.exit"] = "suspend";
    platform.Launch();
    Scorm12Record record(platform, Launched);
    Round round(12u, &record);
  }
}

}  // namespace
}  // namespace tarvinel
