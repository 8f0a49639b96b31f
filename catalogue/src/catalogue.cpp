#include "tarvinel/catalogue.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tarvinel {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double NumericValue(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;

  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  // The first 19 significant digits, which fit in 64 bits, and the power of ten they are scaled
  // by; further digits only move the power.
  std::uint64_t digits = 0;
  int kept = 0;
  long scale = 0;
  bool anyDigit = false;
  const auto take = [&](char c, bool fraction) {
    anyDigit = true;
    if (kept < 19) {
      if (digits != 0 || c != '0') {
        digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        ++kept;
      }
      if (fraction) --scale;
    } else if (!fraction) {
      ++scale;
    }
  };
  for (; at < text.size() && IsDigit(text[at]); ++at) take(text[at], false);
  if (at < text.size() && text[at] == '.') {
    for (++at; at < text.size() && IsDigit(text[at]); ++at) take(text[at], true);
  }
  if (!anyDigit) return 0.0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t next = at + 1;
    bool negativeExponent = false;
    if (next < text.size() && (text[next] == '+' || text[next] == '-')) {
      negativeExponent = text[next] == '-';
      ++next;
    }
    long exponent = 0;
    for (; next < text.size() && IsDigit(text[next]); ++next) {
      exponent = std::min(exponent * 10 + (text[next] - '0'), 100000L);
    }
    scale += negativeExponent ? -exponent : exponent;
  }
  if (digits == 0) return negative ? -0.0 : 0.0;
  while (digits % 10 == 0) {
    digits /= 10;
    ++scale;
  }

  // Digits below 2^53 and a power of ten up to 10^22 are both exact doubles, so one product or
  // quotient is the correctly rounded value: that is every number of up to 15 significant digits
  // within 10^-22 to 10^22, every era number among them. Beyond that the value is scaled in
  // steps and may be off by a few units in its last place; rounded to an era number, that shows
  // only for a number a hair's breadth from a half. The C library's strtod is exact throughout, but
  // its 128-bit arithmetic made up nearly half of the web edition's module.
  static constexpr std::array<double, 23> kPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  double value = static_cast<double>(digits);
  for (; scale > 22 && value <= std::numeric_limits<double>::max(); scale -= 22) value *= 1e22;
  for (; scale < -22 && value > 0; scale += 22) value /= 1e22;
  if (scale >= 0 && scale <= 22) {
    value *= kPowers.at(static_cast<std::size_t>(scale));
  } else if (scale < 0 && scale >= -22) {
    value /= kPowers.at(static_cast<std::size_t>(-scale));
  }
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
