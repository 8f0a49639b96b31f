#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tarvinel/catalogue.hpp"

namespace tarvinel {

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kEraHeading = "Посочена ера: ";
inline constexpr std::string_view kEraPeriodsHeading = "От тази ера са и периодите: ";
inline constexpr std::string_view kPeriodHeading = "Посочен период: ";
inline constexpr std::string_view kPeriodEraHeading = "Този период е от ера: ";

// The era report: the era's caption, then every period whose era number equals `era`, in
// catalogue order, one per line.
std::string ComposeEraReport(const CatalogueSource& catalogue, double era);

// The period report: the period's name and the caption of its era.
std::string ComposePeriodReport(const CatalogueSource& catalogue, std::int16_t row);

}  // namespace tarvinel
