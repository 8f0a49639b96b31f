#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvinel {

struct Rgb {
  std::uint8_t r;
  std::uint8_t g;
  std::uint8_t b;
};

struct Era {
  std::string_view caption;
  Rgb background;
};

// A period's era number is kept as text, exactly as the window's hidden column holds it; it is
// read as a number only through NumericValue.
struct Period {
  std::string_view name;
  std::string_view eraNumberText;
};

// The era number is the index into this table and the index of the era's radio button.
inline constexpr std::array<Era, 6> kEras{{
    {"Мезозой", {0xFF, 0xE0, 0xC0}},
    {"Мезопротерозой", {0xFF, 0xC0, 0xFF}},
    {"Неозой", {0xFF, 0x80, 0xFF}},
    {"Неопротерозой", {0xFF, 0x00, 0xFF}},
    {"Палеозой", {0xC0, 0x00, 0xC0}},
    {"Палеопротерозой", {0x80, 0x00, 0x80}},
}};

inline constexpr std::array<Period, 22> kPeriods{{
    {"Девон", "4"},   {"Едиакарий", "3"}, {"Ектасий", "1"},  {"Калимий", "1"}, {"Камбрий", "4"},
    {"Карбон", "4"},  {"Кватернер", "2"}, {"Креда", "0"},    {"Криоген", "3"}, {"Неоген", "2"},
    {"Ордовик", "4"}, {"Орозирий", "5"},  {"Палеоген", "2"}, {"Перм", "4"},    {"Рясий", "5"},
    {"Сидерий", "5"}, {"Силур", "4"},     {"Статерий", "5"}, {"Стений", "1"},  {"Тоний", "3"},
    {"Триас", "0"},   {"Юра", "0"},
}};

inline constexpr std::int16_t kEraCount = static_cast<std::int16_t>(kEras.size());
inline constexpr std::int16_t kPeriodCount = static_cast<std::int16_t>(kPeriods.size());

// Numeric-prefix conversion: leading blanks are skipped and a decimal number (optional sign,
// digits, optional fraction and exponent) is read as far as it goes. A text that does not start
// with a number gives 0.
double NumericValue(std::string_view text);

// A numeric value as a signed 16-bit index, rounded half to even; nothing when it is not finite or
// does not fit.
std::optional<std::int16_t> ToIndex16(double value);

// An era number as the index of one of the six eras; nothing when it names none.
std::optional<std::int16_t> EraOfNumber(double value);

// The era number of a period's era-number text, when it names one of the six eras.
std::optional<std::int16_t> EraOfNumberText(std::string_view eraNumberText);

// The four read operations through which the reports see the catalogue. The window offers them
// from its controls; FixedCatalogue offers them straight from the tables above.
class CatalogueSource {
 public:
  virtual ~CatalogueSource() = default;
  virtual std::int16_t PeriodCount() const = 0;
  virtual std::string PeriodName(std::int16_t row) const = 0;
  virtual std::string EraNumberText(std::int16_t row) const = 0;
  virtual std::string EraCaption(std::int16_t era) const = 0;

 protected:
  CatalogueSource() = default;
  CatalogueSource(const CatalogueSource&) = default;
  CatalogueSource& operator=(const CatalogueSource&) = default;
};

class FixedCatalogue : public CatalogueSource {
 public:
  std::int16_t PeriodCount() const override;
  std::string PeriodName(std::int16_t row) const override;
  std::string EraNumberText(std::int16_t row) const override;
  std::string EraCaption(std::int16_t era) const override;
};

}  // namespace tarvinel
