#include <gtest/gtest.h>

#include <string>

#include "expected_reports.hpp"
#include "home_toolkit_double.hpp"

namespace tarvinel {
namespace {

using testing::HomeToolkitDouble;
using Raise = HomeToolkitDouble::Raise;
using Source = HomeToolkitDouble::Click::Source;

const std::string kStatement = "exercise statement\r\n";
const std::string kPaleozoicReport = expected::kEraReports[4];
const std::string kMesozoicReport = expected::kEraReports[0];
const std::string kPermReport = "Посочен период: Перм\r\nТози период е от ера: Палеозой\r\n";

class CoordinatorTest : public ::testing::TestWithParam<Raise> {
 protected:
  HomeToolkitDouble window{GetParam()};

  bool Raises() const { return GetParam() != Raise::Never; }

  void ExpectIdle() const { EXPECT_EQ(window.State().ClickGuard, Guard::Idle); }

  // Every click that a program write raised found the other handler running.
  void ExpectNestedClicksFoundTheGuard() const {
    for (const auto& click : window.Clicks()) {
      if (!click.nested) continue;
      EXPECT_EQ(click.guardAtRaise,
                click.source == Source::List ? Guard::EraHandler : Guard::PeriodHandler);
    }
  }
};

TEST_P(CoordinatorTest, StartsIdleWithNothingPicked) {
  const auto& state = window.State();
  EXPECT_EQ(state.ClickGuard, Guard::Idle);
  EXPECT_FALSE(state.EraIndex.has_value());
  EXPECT_FALSE(state.PeriodIndex.has_value());
}

TEST_P(CoordinatorTest, EveryEraWritesItsReportAndLeavesTheListEmpty) {
  for (std::int16_t era = 0; era < kEraCount; ++era) {
    SCOPED_TRACE(era);
    window.UserPicksPeriod(0);
    const int writesBefore = window.TextWrites();
    window.UserPicksEra(era);
    EXPECT_EQ(window.Text(), expected::kEraReports[era]);
    EXPECT_EQ(window.ListIndex(), -1);
    EXPECT_EQ(window.CheckedEra(), era);
    EXPECT_EQ(window.TextWrites(), writesBefore + 1);
    EXPECT_EQ(window.State().EraIndex, era);
    ExpectIdle();
  }
  ExpectNestedClicksFoundTheGuard();
}

TEST_P(CoordinatorTest, EveryPeriodWritesItsReportAndChecksItsEra) {
  for (std::int16_t row = 0; row < kPeriodCount; ++row) {
    SCOPED_TRACE(row);
    window.UserPicksEra(row % 2 == 0 ? 0 : 5);
    const int writesBefore = window.TextWrites();
    window.UserPicksPeriod(row);
    EXPECT_EQ(window.Text(), expected::PeriodReport(row));
    EXPECT_EQ(window.ListIndex(), row);
    EXPECT_EQ(window.CheckedEra(),
              EraOfNumberText(kPeriods[static_cast<std::size_t>(row)].eraNumberText));
    EXPECT_EQ(window.TextWrites(), writesBefore + 1);
    EXPECT_EQ(window.State().PeriodIndex, row);
    ExpectIdle();
  }
  ExpectNestedClicksFoundTheGuard();
}

TEST_P(CoordinatorTest, PaleozoicClearsTheListAndTheNestedListClickChangesNothing) {
  window.UserPicksPeriod(13);
  window.ForgetClicks();
  window.UserPicksEra(4);
  EXPECT_EQ(window.Text(), kPaleozoicReport);
  EXPECT_EQ(window.ListIndex(), -1);
  EXPECT_EQ(window.NestedClicks(), Raises() ? 1u : 0u);
  ExpectNestedClicksFoundTheGuard();
  ExpectIdle();
}

TEST_P(CoordinatorTest, PermChecksPaleozoicAndTheEraReportNeverAppears) {
  window.UserPicksEra(0);
  window.ForgetClicks();
  const int writesBefore = window.TextWrites();
  window.UserPicksPeriod(13);
  EXPECT_EQ(window.Text(), kPermReport);
  EXPECT_EQ(window.TextWrites(), writesBefore + 1);
  EXPECT_EQ(window.CheckedEra(), 4);
  EXPECT_EQ(window.ListIndex(), 13);
  EXPECT_EQ(window.State().EraIndex, 4.0);
  EXPECT_EQ(window.NestedClicks(), Raises() ? 1u : 0u);
  ExpectNestedClicksFoundTheGuard();
  ExpectIdle();
}

TEST_P(CoordinatorTest, AnotherEraAfterAPeriodClearsTheListAndWritesThatEra) {
  window.UserPicksPeriod(13);
  window.UserPicksEra(0);
  EXPECT_EQ(window.Text(), kMesozoicReport);
  EXPECT_EQ(window.ListIndex(), -1);
  EXPECT_EQ(window.CheckedEra(), 0);
  ExpectNestedClicksFoundTheGuard();
  ExpectIdle();
}

TEST_P(CoordinatorTest, APeriodOfAnotherEraMovesTheEraButton) {
  window.UserPicksPeriod(7);  // Креда, era 0
  EXPECT_EQ(window.CheckedEra(), 0);
  window.UserPicksPeriod(15);  // Сидерий, era 5
  EXPECT_EQ(window.CheckedEra(), 5);
  EXPECT_EQ(window.Text(), "Посочен период: Сидерий\r\nТози период е от ера: Палеопротерозой\r\n");
  ExpectIdle();
}

TEST_P(CoordinatorTest, PeriodsOfOneEraRewriteTheTwoLineForm) {
  window.UserPicksPeriod(0);
  EXPECT_EQ(window.Text(), "Посочен период: Девон\r\nТози период е от ера: Палеозой\r\n");
  window.UserPicksPeriod(4);
  EXPECT_EQ(window.Text(), "Посочен период: Камбрий\r\nТози период е от ера: Палеозой\r\n");
  window.UserPicksPeriod(16);
  EXPECT_EQ(window.Text(), "Посочен период: Силур\r\nТози период е от ера: Палеозой\r\n");
  EXPECT_EQ(window.CheckedEra(), 4);
  EXPECT_EQ(window.TextWrites(), 3);
  ExpectIdle();
}

TEST_P(CoordinatorTest, ReclickingTheCheckedEraWritesItsReportAgain) {
  window.UserPicksEra(4);
  window.UserPicksEra(4);
  EXPECT_EQ(window.Text(), kPaleozoicReport);
  EXPECT_EQ(window.TextWrites(), 2);
  EXPECT_EQ(window.ListIndex(), -1);
  ExpectIdle();
}

TEST_P(CoordinatorTest, AListClickWithNothingSelectedChangesNothing) {
  window.SpuriousListClick();
  EXPECT_EQ(window.Text(), kStatement);
  EXPECT_EQ(window.TextWrites(), 0);
  EXPECT_FALSE(window.CheckedEra().has_value());
  EXPECT_FALSE(window.State().EraIndex.has_value());
  EXPECT_FALSE(window.State().PeriodIndex.has_value());
  ExpectIdle();

  window.UserPicksEra(4);
  window.SpuriousListClick();
  EXPECT_EQ(window.Text(), kPaleozoicReport);
  EXPECT_EQ(window.CheckedEra(), 4);
  EXPECT_EQ(window.State().EraIndex, 4.0);
  ExpectIdle();
}

TEST_P(CoordinatorTest, AnEraIndexOutsideTheSixButtonsIsIgnored) {
  window.coordinator().Option1_Click(6);
  window.coordinator().Option1_Click(-1);
  EXPECT_EQ(window.Text(), kStatement);
  EXPECT_EQ(window.TextWrites(), 0);
  ExpectIdle();
}

INSTANTIATE_TEST_SUITE_P(Toolkits, CoordinatorTest,
                         ::testing::Values(Raise::OnChange, Raise::Always, Raise::Never),
                         [](const auto& info) {
                           switch (info.param) {
                             case Raise::OnChange:
                               return std::string("RaisesOnChange");
                             case Raise::Always:
                               return std::string("RaisesAlways");
                             case Raise::Never:
                               return std::string("RaisesNothing");
                           }
                           return std::string();
                         });

}  // namespace
}  // namespace tarvinel
