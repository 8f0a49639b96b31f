#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <set>

#include "tarvinel/catalogue.hpp"

namespace tarvinel {
namespace {

struct Conversion {
  const char* text;
  double value;
};

class NumericValueTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(NumericValueTest, ReadsTheLeadingNumber) {
  EXPECT_DOUBLE_EQ(NumericValue(GetParam().text), GetParam().value)
      << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, NumericValueTest,
                         ::testing::Values(Conversion{"4", 4}, Conversion{" 3", 3},
                                           Conversion{"2x", 2}, Conversion{"", 0},
                                           Conversion{"x", 0}, Conversion{"\t 5", 5},
                                           Conversion{"+2", 2}, Conversion{"-1.5e1z", -15},
                                           Conversion{".5", 0.5}, Conversion{"7.", 7},
                                           Conversion{".", 0}, Conversion{"-", 0},
                                           Conversion{"1e", 1}, Conversion{"1e+", 1},
                                           Conversion{"12 3", 12}, Conversion{"x4", 0}));

// Up to 15 significant digits within 10^-22 to 10^22 the value is the nearest double, as the C
// library reads it; these longer or farther ones come within two units in the last place.
TEST(NumericValue, ReadsAsTheCLibraryDoes) {
  for (const char* text : {"0.1", "2.5", "0.3", "123456789012345", "9.87654321e-22", "1e22",
                           "-7e-5", "00012.5000", "4.35", "0.000000000000000000000012345"}) {
    EXPECT_EQ(NumericValue(text), std::strtod(text, nullptr)) << text;
  }
  for (const char* text :
       {"12345678901234567890123", "1e300", "1.7976931348623157e308", "2.2250738585072014e-308",
        "0.1000000000000000055511151231257827", "5.0000000000000000001", "98765.4321e-40",
        "3.999999999999999999999999"}) {
    const double exact = std::strtod(text, nullptr);
    const double unit = std::nextafter(exact, INFINITY) - exact;
    EXPECT_NEAR(NumericValue(text), exact, 2 * unit) << text;
  }
  EXPECT_EQ(NumericValue("1e999"), INFINITY);
  EXPECT_EQ(NumericValue("-1e999"), -INFINITY);
  EXPECT_EQ(NumericValue("1e-999"), 0.0);
  EXPECT_EQ(NumericValue("1e99999999999999999999"), INFINITY);
}

TEST(ToIndex16, RoundsHalfToEvenWithinRange) {
  EXPECT_EQ(ToIndex16(4.0), 4);
  EXPECT_EQ(ToIndex16(2.5), 2);
  EXPECT_EQ(ToIndex16(3.5), 4);
  EXPECT_EQ(ToIndex16(-0.4), 0);
  EXPECT_EQ(ToIndex16(32767.0), 32767);
  EXPECT_EQ(ToIndex16(-32768.0), -32768);
  EXPECT_EQ(ToIndex16(32768.0), std::nullopt);
  EXPECT_EQ(ToIndex16(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
  EXPECT_EQ(ToIndex16(std::numeric_limits<double>::infinity()), std::nullopt);
  EXPECT_EQ(ToIndex16(NumericValue("1e999")), std::nullopt);
}

TEST(EraOfNumberText, AcceptsOnlyTheSixEras) {
  EXPECT_EQ(EraOfNumberText("0"), 0);
  EXPECT_EQ(EraOfNumberText(" 5"), 5);
  EXPECT_EQ(EraOfNumberText("6"), std::nullopt);
  EXPECT_EQ(EraOfNumberText("-1"), std::nullopt);
}

TEST(Catalogue, EveryPeriodNamesAnEraAsOneDigitText) {
  std::set<std::int16_t> erasWithPeriods;
  for (const Period& period : kPeriods) {
    ASSERT_EQ(period.eraNumberText.size(), 1u) << period.name;
    const auto era = EraOfNumberText(period.eraNumberText);
    ASSERT_TRUE(era.has_value()) << period.name;
    erasWithPeriods.insert(*era);
  }
  EXPECT_EQ(erasWithPeriods.size(), kEras.size());
}

// UTF-8 byte order is Unicode order, which is the Bulgarian alphabet's order for these letters.
TEST(Catalogue, CaptionsAndNamesAreInAlphabeticalOrder) {
  for (std::size_t i = 1; i < kEras.size(); ++i) {
    EXPECT_LT(kEras[i - 1].caption, kEras[i].caption);
  }
  for (std::size_t i = 1; i < kPeriods.size(); ++i) {
    EXPECT_LT(kPeriods[i - 1].name, kPeriods[i].name);
  }
}

TEST(FixedCatalogue, OffersTheTablesThroughTheReadOperations) {
  const FixedCatalogue catalogue;
  EXPECT_EQ(catalogue.PeriodCount(), 22);
  EXPECT_EQ(catalogue.PeriodName(0), "Девон");
  EXPECT_EQ(catalogue.PeriodName(21), "Юра");
  EXPECT_EQ(catalogue.EraNumberText(0), "4");
  EXPECT_EQ(catalogue.EraNumberText(21), "0");
  EXPECT_EQ(catalogue.EraCaption(0), "Мезозой");
  EXPECT_EQ(catalogue.EraCaption(5), "Палеопротерозой");
}

}  // namespace
}  // namespace tarvinel
