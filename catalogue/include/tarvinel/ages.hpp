#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tarvinel {

// When a unit of the time scale began and ended, in millions of years before the present, written
// with the precision of the International Chronostratigraphic Chart v2024/12 (ICS, CC BY 4.0);
// an end of "0" is the present.
struct Span {
  std::string_view from;
  std::string_view to;
};

// By era number, aligned with kEras.
inline constexpr std::array<Span, 6> kEraSpans{{
    {"251.902", "66.00"},
    {"1600", "1000"},
    {"66.00", "0"},
    {"1000", "538.8"},
    {"538.8", "251.902"},
    {"2500", "1600"},
}};

// By period row, aligned with kPeriods.
inline constexpr std::array<Span, 22> kPeriodSpans{{
    {"419.62", "358.86"}, {"635", "538.8"},     {"1400", "1200"},    {"1600", "1400"},
    {"538.8", "486.85"},  {"358.86", "298.9"},  {"2.58", "0"},       {"143.1", "66.00"},
    {"720", "635"},       {"23.04", "2.58"},    {"486.85", "443.1"}, {"2050", "1800"},
    {"66.00", "23.04"},   {"298.9", "251.902"}, {"2300", "2050"},    {"2500", "2300"},
    {"443.1", "419.62"},  {"1800", "1600"},     {"1200", "1000"},    {"1000", "720"},
    {"251.902", "201.4"}, {"201.4", "143.1"},
}};

// "Креда: от 143,1 до 66,00 млн. години", or for a unit that reaches the present
// "Кватернер: от 2,58 млн. години до днес".
std::string AgeText(std::string_view name, const Span& span);

}  // namespace tarvinel
