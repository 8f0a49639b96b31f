#include "tarvinel/catalogue.hpp"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace tarvinel {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

}  // namespace

double NumericValue(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;

  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  const std::size_t start = at;
  std::size_t end = SkipDigits(text, at);
  bool anyDigit = end > start;
  if (end < text.size() && text[end] == '.') {
    const std::size_t afterFraction = SkipDigits(text, end + 1);
    anyDigit = anyDigit || afterFraction > end + 1;
    end = afterFraction;
  }
  if (!anyDigit) return 0.0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const std::size_t afterExponent = SkipDigits(text, exponent);
    if (afterExponent > exponent) end = afterExponent;
  }

  // The span is a plain decimal number by now, which the C library reads in the "C" locale that
  // the program never changes; it is smaller than std::from_chars, which matters for the
  // self-contained Windows executable. Too large a number reads as infinity, too small as 0.
  const std::string number(text.substr(start, end - start));
  const double value = std::strtod(number.c_str(), nullptr);
  return negative ? -value : value;
}

std::optional<std::int16_t> ToIndex16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);
  if (rounded < std::numeric_limits<std::int16_t>::min() ||
      rounded > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> EraOfNumber(double value) {
  const auto era = ToIndex16(value);
  if (!era || *era < 0 || *era >= kEraCount) return std::nullopt;
  return era;
}

std::optional<std::int16_t> EraOfNumberText(std::string_view eraNumberText) {
  return EraOfNumber(NumericValue(eraNumberText));
}

std::int16_t FixedCatalogue::PeriodCount() const { return kPeriodCount; }

std::string FixedCatalogue::PeriodName(std::int16_t row) const {
  return std::string(kPeriods.at(static_cast<std::size_t>(row)).name);
}

std::string FixedCatalogue::EraNumberText(std::int16_t row) const {
  return std::string(kPeriods.at(static_cast<std::size_t>(row)).eraNumberText);
}

std::string FixedCatalogue::EraCaption(std::int16_t era) const {
  return std::string(kEras.at(static_cast<std::size_t>(era)).caption);
}

}  // namespace tarvinel
