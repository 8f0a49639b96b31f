#include <gtest/gtest.h>

#include <string>

#include "tarvinel/reports.hpp"

namespace tarvinel {
namespace {

// Written out from the catalogue's tables, not computed from them.
const char* const kEraReports[6] = {
    "Посочена ера: Мезозой\r\nОт тази ера са и периодите: \r\n"
    "Креда\r\nТриас\r\nЮра\r\n",
    "Посочена ера: Мезопротерозой\r\nОт тази ера са и периодите: \r\n"
    "Ектасий\r\nКалимий\r\nСтений\r\n",
    "Посочена ера: Неозой\r\nОт тази ера са и периодите: \r\n"
    "Кватернер\r\nНеоген\r\nПалеоген\r\n",
    "Посочена ера: Неопротерозой\r\nОт тази ера са и периодите: \r\n"
    "Едиакарий\r\nКриоген\r\nТоний\r\n",
    "Посочена ера: Палеозой\r\nОт тази ера са и периодите: \r\n"
    "Девон\r\nКамбрий\r\nКарбон\r\nОрдовик\r\nПерм\r\nСилур\r\n",
    "Посочена ера: Палеопротерозой\r\nОт тази ера са и периодите: \r\n"
    "Орозирий\r\nРясий\r\nСидерий\r\nСтатерий\r\n",
};

struct PeriodCase {
  const char* name;
  const char* era;
};

const PeriodCase kPeriodReports[22] = {
    {"Девон", "Палеозой"},         {"Едиакарий", "Неопротерозой"},
    {"Ектасий", "Мезопротерозой"}, {"Калимий", "Мезопротерозой"},
    {"Камбрий", "Палеозой"},       {"Карбон", "Палеозой"},
    {"Кватернер", "Неозой"},       {"Креда", "Мезозой"},
    {"Криоген", "Неопротерозой"},  {"Неоген", "Неозой"},
    {"Ордовик", "Палеозой"},       {"Орозирий", "Палеопротерозой"},
    {"Палеоген", "Неозой"},        {"Перм", "Палеозой"},
    {"Рясий", "Палеопротерозой"},  {"Сидерий", "Палеопротерозой"},
    {"Силур", "Палеозой"},         {"Статерий", "Палеопротерозой"},
    {"Стений", "Мезопротерозой"},  {"Тоний", "Неопротерозой"},
    {"Триас", "Мезозой"},          {"Юра", "Мезозой"},
};

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
    EXPECT_EQ(report, std::string("Посочен период: ") + kPeriodReports[row].name +
                          "\r\nТози период е от ера: " + kPeriodReports[row].era + "\r\n");
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
