#include "tarvinel/coordinator.hpp"

#include "tarvinel/reports.hpp"

namespace tarvinel {

void Coordinator::Option1_Click(std::int16_t Index) {
  if (state_.ClickGuard == Guard::PeriodHandler) return;  // raised by List1_Click selecting an era
  if (Index < 0 || Index >= kEraCount) return;
  state_.ClickGuard = Guard::EraHandler;
  state_.EraIndex = Index;
  view_.SetListIndex(-1);  // the nested list click finds the guard at EraHandler
  ShowEraPeriods();
}

void Coordinator::ShowEraPeriods() {
  view_.SetText(ComposeEraReport(view_, *state_.EraIndex));
  state_.ClickGuard = Guard::Idle;
}

void Coordinator::List1_Click(std::int16_t /*Index*/) {
  if (state_.ClickGuard == Guard::EraHandler) return;  // raised by Option1_Click clearing the list
  const std::int16_t row = view_.ListIndex();
  // A list click with nothing selected (the toolkit may raise one) has no period to report.
  if (row < 0 || row >= view_.PeriodCount()) return;
  state_.ClickGuard = Guard::PeriodHandler;
  state_.PeriodIndex = row;
  const std::string eraNumberText = view_.EraNumberText(row);
  state_.EraIndex = NumericValue(eraNumberText);
  if (const auto era = EraOfNumberText(eraNumberText)) {
    view_.SelectEra(*era);  // the nested era click finds the guard at PeriodHandler
  }
  view_.SetText(ComposePeriodReport(view_, row));
  state_.ClickGuard = Guard::Idle;
}

}  // namespace tarvinel
