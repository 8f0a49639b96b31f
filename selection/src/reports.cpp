#include "tarvinel/reports.hpp"

namespace tarvinel {
namespace {

void AppendLine(std::string& out, std::string_view heading, std::string_view value = {}) {
  out.append(heading).append(value).append(kLineEnd);
}

std::string CaptionOfNumberText(const CatalogueSource& catalogue, std::string_view eraNumberText) {
  const auto era = EraOfNumberText(eraNumberText);
  return era ? catalogue.EraCaption(*era) : std::string();
}

}  // namespace

std::string ComposeEraReport(const CatalogueSource& catalogue, double era) {
  std::string report;
  report.reserve(256);
  const auto index = EraOfNumber(era);
  AppendLine(report, kEraHeading, index ? catalogue.EraCaption(*index) : std::string());
  AppendLine(report, kEraPeriodsHeading);
  const std::int16_t count = catalogue.PeriodCount();
  for (std::int16_t row = 0; row < count; ++row) {
    if (NumericValue(catalogue.EraNumberText(row)) == era) {
      AppendLine(report, catalogue.PeriodName(row));
    }
  }
  return report;
}

std::string ComposePeriodReport(const CatalogueSource& catalogue, std::int16_t row) {
  std::string report;
  report.reserve(128);
  AppendLine(report, kPeriodHeading, catalogue.PeriodName(row));
  AppendLine(report, kPeriodEraHeading,
             CaptionOfNumberText(catalogue, catalogue.EraNumberText(row)));
  return report;
}

}  // namespace tarvinel
