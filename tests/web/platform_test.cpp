#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <regex>

#include "chromium.hpp"
#include "expected_reports.hpp"
#include "web_driver.hpp"

namespace tarvinel::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kContent = "pluginfile.php/27/mod_scorm/content/3/";

// Each element the page writes, and the form SCORM 1.2 allows its value, which scorm-again does
// not check.
const std::pair<std::regex, std::regex> kForms[] = {
    {std::regex("cmi\\.core\\.lesson_status"), std::regex("passed|completed|failed|incomplete")},
    {std::regex("cmi\\.core\\.exit"), std::regex("suspend|")},
    {std::regex("cmi\\.core\\.session_time"), std::regex("\\d{4}:[0-5]\\d:[0-5]\\d\\.\\d\\d")},
    {std::regex("cmi\\.core\\.score\\.(min|max|raw)"), std::regex("100|\\d\\d?")},
    {std::regex("cmi\\.suspend_data"), std::regex("[!-~]{0,4096}")},
    {std::regex("cmi\\.interactions\\.\\d\\.id"), std::regex("(period|era)-\\d\\d?")},
    {std::regex("cmi\\.interactions\\.\\d\\.type"), std::regex("fill-in")},
    {std::regex("cmi\\.interactions\\.\\d\\.result"), std::regex("correct|wrong")},
    // At most 255 characters: here, bytes.
    {std::regex("cmi\\.interactions\\.\\d\\.(student_response|correct_responses\\.\\d\\.pattern)"),
     std::regex(".{1,255}")},
};

// The self-check's package as a learning platform serves it: unpacked under a deep path, below
// the platform's own page (tests/web/platform), which launches it in a frame with scorm-again as
// the run-time, and keeps every call and what was committed across launches.
class TestPlatform : public ::testing::Test {
 protected:
  TestPlatform() {
    fs::create_directories(root_ / kContent);
    const std::string unpack =
        "python3 -m zipfile -e '" TARVINEL_SCORM_PACKAGE "' '" + (root_ / kContent).string() + "'";
    Check(std::system(unpack.c_str()) == 0, "cannot unpack " TARVINEL_SCORM_PACKAGE);
    for (const char* file : {"index.html", "platform.js"}) {
      fs::copy_file(fs::path(TARVINEL_TEST_PLATFORM) / file, root_ / file);
    }
    fs::copy_file(TARVINEL_SCORM_RUNTIME, root_ / "scorm12.min.js");
    server_.emplace(root_);
  }
  ~TestPlatform() override {
    server_.reset();
    fs::remove_all(root_);
  }

  int Calls(const std::string& name) {
    return browser_.Evaluate("calls.filter((call) => call[0] == '" + name + "').length");
  }

  // Answers `count` questions with clicks, checked by the model: in turn right at once, right
  // after a miss, and missed twice. The points they earn.
  int Answer(model::ModelCheck& check, int count) {
    int points = 0;
    for (int question = 0; question < count; ++question, ++asked_) {
      const model::RoundModel& round = check.round();
      const int era =
          round.periodAsked() ? expected::kPeriods[round.subject()].era : round.subject();
      ids_.push_back((round.periodAsked() ? "period-" : "era-") + std::to_string(round.subject()));
      for (int tries = 0; tries < (asked_ % 3 == 0 ? 1 : 2); ++tries, ++answers_) {
        const bool right = asked_ % 3 == 0 || (asked_ % 3 == 1 && tries == 1);
        int row = 0;
        while ((expected::kPeriods[row].era == era) != right) ++row;
        using Kind = model::Action::Kind;
        check.Do(round.periodAsked() ? model::Action{Kind::ClickEra, right ? era : (era + 1) % 6}
                                     : model::Action{Kind::ClickRow, row});
        EXPECT_EQ(check.Mismatch(), "") << "question " << asked_ + 1;
      }
      points += 2 - asked_ % 3;
    }
    return points;
  }

  // What the platform holds after a round of `points`: the score, the status, one interaction
  // for each question, and every value written in its form.
  void ExpectRecord(int points) {
    std::map<std::string, std::string> values;
    for (const Json& call : browser_.Evaluate("calls")) {
      if (call[0] != "LMSSetValue") continue;
      const std::string element = call[1];
      const std::string value = call[2];
      const auto form = std::find_if(std::begin(kForms), std::end(kForms), [&](const auto& form) {
        return std::regex_match(element, form.first);
      });
      ASSERT_NE(form, std::end(kForms)) << "writes " << element;
      EXPECT_TRUE(std::regex_match(value, form->second) && call[3] == "true")
          << element << " = \"" << value << "\": " << call[3];
      values[element] = value;
    }
    EXPECT_EQ(values["cmi.core.score.raw"], std::to_string(points * 5));
    EXPECT_EQ(values["cmi.core.score.min"] + " " + values["cmi.core.score.max"], "0 100");
    EXPECT_EQ(values["cmi.core.lesson_status"], "completed");
    EXPECT_EQ(values["cmi.core.exit"] + values["cmi.suspend_data"], "") << "a round under way";
    ASSERT_EQ(ids_.size(), 10u);
    EXPECT_FALSE(values.contains("cmi.interactions.10.id"));
    for (std::size_t at = 0; at < ids_.size(); ++at) {
      const std::string interaction = "cmi.interactions." + std::to_string(at) + ".";
      EXPECT_EQ(values[interaction + "id"], ids_[at]);
      EXPECT_EQ(values[interaction + "result"], at % 3 == 2 ? "wrong" : "correct");
      const std::string answers = values[interaction + "student_response"];
      EXPECT_EQ(answers.find(", ") != std::string::npos, at % 3 != 0) << answers;
      EXPECT_NE(values[interaction + "correct_responses.0.pattern"], "");
    }
  }

  fs::path root_ = fs::temp_directory_path() / ("tarvinel-platform-" + std::to_string(getpid()));
  std::optional<StaticServer> server_;
  Chromium browser_;
  std::vector<std::string> ids_;
  int asked_ = 0;
  int answers_ = 0;
};

// After the round, the reference page opens in a tab of its own, which cannot reach the
// platform's window, and the round's box stays as it was.
TEST_F(TestPlatform, AWholeRoundIsRecordedAsScoreStatusAndTenInteractions) {
  WebDriver page(browser_, server_->Url(""), true);
  model::ModelCheck check(page, {.selfCheck = true, .pageLink = true});
  ASSERT_TRUE(check.Start());
  ASSERT_EQ(check.Mismatch(), "");
  ExpectRecord(Answer(check, 10));
  EXPECT_EQ(browser_.Evaluate("calls[0]"), Json({"LMSInitialize", "", "true"}));
  EXPECT_EQ(Calls("LMSCommit"), 1 + answers_) << "at the launch and after every answer";
  EXPECT_EQ(browser_.ConsoleProblems(server_->Url("")), std::vector<std::string>());

  const std::string box = page.Seen().text;
  browser_.Send("Target.setDiscoverTargets", {{"discover", true}});
  const Box link = page.Bounds("Link1");
  browser_.Click(link.CentreX(), link.CentreY());
  const Json opened = browser_.AwaitEvent([&](const Json& event) {
    return event["method"] == "Target.targetInfoChanged" &&
           event["params"]["targetInfo"]["url"] == server_->Url(kContent) + "index.html";
  });
  EXPECT_EQ(opened["params"]["targetInfo"]["canAccessOpener"], false);
  EXPECT_EQ(page.Seen().text, box);
}

TEST_F(TestPlatform, ARoundBrokenOffAfterFourQuestionsGoesOnInTheNextLaunch) {
  WebDriver page(browser_, server_->Url(""), true);
  model::ModelCheck check(page, {.selfCheck = true, .pageLink = true});
  ASSERT_TRUE(check.Start());
  int points = Answer(check, 4);
  ASSERT_TRUE(check.Resume());
  ASSERT_EQ(check.Mismatch(), "") << "the box of the next launch";
  EXPECT_EQ(Calls("LMSFinish"), 1) << "the first launch ends as its page goes";
  points += Answer(check, 6);
  ExpectRecord(points);
}

// Until the platform takes a commit, or a value, the box says so, and every answer writes again
// what is not yet taken. Of each pair of clicks one is an answer, whichever the question asks
// for, and two answers end a question at the latest.
class RefusingPlatform : public TestPlatform, public ::testing::WithParamInterface<std::string> {};

TEST_P(RefusingPlatform, WhatItRefusesIsShownInTheBoxAndWrittenAgain) {
  const std::string line = "Резултатът не е записан в платформата (грешка 101).\r\n";
  WebDriver page(browser_, server_->Url("?refuse=" + GetParam()), true);
  ASSERT_TRUE(page.Open());
  EXPECT_EQ(page.Seen().text.ends_with(line), GetParam() == "commit") << page.Seen().text;
  for (int pair = 0; pair < 4; ++pair) {
    if (pair == 2) browser_.Evaluate("refused = null");
    page.ClickEra(0);
    page.ClickRow(0);
    if (pair % 2) {
      EXPECT_EQ(page.Seen().text.ends_with(line), pair == 1) << page.Seen().text;
    }
  }
  EXPECT_EQ(browser_.Evaluate("calls.at(-1)"), Json({"LMSCommit", "", "true"}));
  EXPECT_EQ(browser_.Evaluate("JSON.parse(sessionStorage.record)['cmi.interactions.0.id']"),
            browser_.Evaluate("calls.find((call) => call[1] == 'cmi.interactions.0.id')[2]"));
}

INSTANTIATE_TEST_SUITE_P(Refusals, RefusingPlatform,
                         ::testing::Values("commit", "cmi.interactions.0.id"),
                         [](const auto& info) { return info.index == 0 ? "Commit" : "Value"; });

// With no platform, the package's self-check is the web folder's, and installs nothing on the
// origin that serves it.
TEST_F(TestPlatform, WithoutAPlatformThePackageIsTheSelfCheckAsEverywhere) {
  WebDriver page(browser_, server_->Url(kContent) + "self-check.html");
  model::ModelCheck check(page, {.selfCheck = true, .pageLink = true});
  EXPECT_EQ(model::RandomWalk(check, 20261211u, 150), "");
  EXPECT_EQ(browser_.ConsoleProblems(server_->Url("")), std::vector<std::string>());
  EXPECT_EQ(browser_.Evaluate("navigator.serviceWorker.getRegistrations().then((r) => r.length)"),
            0);
  EXPECT_EQ(browser_.Evaluate("document.querySelector('link[rel=manifest]')"), nullptr);
}

}  // namespace
}  // namespace tarvinel::testing
