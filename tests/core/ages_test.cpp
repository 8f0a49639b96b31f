#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tarvinel/ages.hpp"
#include "tarvinel/catalogue.hpp"

namespace tarvinel {
namespace {

// The periods of an era, oldest first, follow each other without gap or overlap and fill the era.
TEST(Ages, EveryErasSpanIsTheUnionOfItsPeriods) {
  for (std::size_t era = 0; era < kEras.size(); ++era) {
    SCOPED_TRACE(kEras[era].caption);
    std::vector<Span> periods;
    for (std::size_t row = 0; row < kPeriods.size(); ++row) {
      if (EraOfNumberText(kPeriods[row].eraNumberText) == static_cast<std::int16_t>(era)) {
        periods.push_back(kPeriodSpans[row]);
      }
    }
    std::sort(periods.begin(), periods.end(), [](const Span& a, const Span& b) {
      return NumericValue(a.from) > NumericValue(b.from);
    });
    ASSERT_FALSE(periods.empty());
    EXPECT_EQ(periods.front().from, kEraSpans[era].from);
    EXPECT_EQ(periods.back().to, kEraSpans[era].to);
    for (std::size_t i = 0; i < periods.size(); ++i) {
      EXPECT_GT(NumericValue(periods[i].from), NumericValue(periods[i].to));
      if (i > 0) {
        EXPECT_EQ(periods[i - 1].to, periods[i].from);
      }
    }
  }
}

TEST(Ages, TheErasFollowEachOtherToThePresent) {
  // Палеопротерозой, Мезопротерозой, Неопротерозой, Палеозой, Мезозой, Неозой.
  const int oldestFirst[] = {5, 1, 3, 4, 0, 2};
  EXPECT_EQ(kEraSpans[5].from, "2500");
  for (std::size_t i = 1; i < std::size(oldestFirst); ++i) {
    EXPECT_EQ(kEraSpans[oldestFirst[i - 1]].to, kEraSpans[oldestFirst[i]].from);
  }
  EXPECT_EQ(kEraSpans[2].to, "0");
}

struct AgeCase {
  std::string_view name;
  Span span;
  const char* text;
};

TEST(Ages, TextUsesADecimalCommaAndTheChartsPrecision) {
  const AgeCase cases[] = {
      {"Креда", kPeriodSpans[7], "Креда: от 143,1 до 66,00 млн. години"},
      {"Кватернер", kPeriodSpans[6], "Кватернер: от 2,58 млн. години до днес"},
      {"Неозой", kEraSpans[2], "Неозой: от 66,00 млн. години до днес"},
      {"Палеозой", kEraSpans[4], "Палеозой: от 538,8 до 251,902 млн. години"},
      {"Сидерий", kPeriodSpans[15], "Сидерий: от 2500 до 2300 млн. години"},
      {"Девон", kPeriodSpans[0], "Девон: от 419,62 до 358,86 млн. години"},
  };
  for (const AgeCase& c : cases) EXPECT_EQ(AgeText(c.name, c.span), c.text);
}

}  // namespace
}  // namespace tarvinel
