#include <gtest/gtest.h>

#include <string>

#include "expected_reports.hpp"
#include "tarvinel/reports.hpp"

namespace tarvinel {
namespace {

using expected::kEraReports;

int CountOf(const std::string& text, const std::string& what) {
  int count = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

void ExpectEveryLineEndsInCrLf(const std::string& report) {
  ASSERT_FALSE(report.empty());
  EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
  EXPECT_EQ(CountOf(report, "\n"), CountOf(report, "\r\n"));
  EXPECT_EQ(CountOf(report, "\r"), CountOf(report, "\r\n"));
}

TEST(EraReport, ListsTheErasPeriodsInCatalogueOrder) {
  const FixedCatalogue catalogue;
  for (int era = 0; era < 6; ++era) {
    SCOPED_TRACE(era);
    const std::string report = ComposeEraReport(catalogue, era);
    EXPECT_EQ(report, kEraReports[era]);
    ExpectEveryLineEndsInCrLf(report);
  }
}

TEST(EraReport, OfPaleozoicHasEightLines) {
  const std::string report = ComposeEraReport(FixedCatalogue{}, 4);
  EXPECT_EQ(CountOf(report, "\r\n"), 8);
  EXPECT_EQ(report.substr(0, report.find("\r\n")), "Посочена ера: Палеозой");
}

TEST(EraReport, ComparesEraNumbersNumerically) {
  // An era number that came from a period's text arrives as a floating-point value.
  EXPECT_EQ(ComposeEraReport(FixedCatalogue{}, NumericValue(" 5")), kEraReports[5]);
}

TEST(PeriodReport, NamesThePeriodAndItsEra) {
  const FixedCatalogue catalogue;
  for (std::int16_t row = 0; row < 22; ++row) {
    SCOPED_TRACE(row);
    const std::string report = ComposePeriodReport(catalogue, row);
    EXPECT_EQ(report, expected::PeriodReport(row));
    ExpectEveryLineEndsInCrLf(report);
  }
}

TEST(PeriodReport, FirstAndLastRows) {
  const FixedCatalogue catalogue;
  EXPECT_EQ(ComposePeriodReport(catalogue, 0),
            "Посочен период: Девон\r\nТози период е от ера: Палеозой\r\n");
  EXPECT_EQ(ComposePeriodReport(catalogue, 21),
            "Посочен период: Юра\r\nТози период е от ера: Мезозой\r\n");
}

}  // namespace
}  // namespace tarvinel
