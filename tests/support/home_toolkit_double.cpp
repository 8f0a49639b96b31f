#include "home_toolkit_double.hpp"

#include <algorithm>
#include <stdexcept>

namespace tarvinel::testing {

HomeToolkitDouble::HomeToolkitDouble(Raise raise) : raise_(raise) {}

void HomeToolkitDouble::UserPicksEra(std::int16_t era) {
  checkedEra_ = era;
  RaiseEra(era, false);
}

void HomeToolkitDouble::UserPicksPeriod(std::int16_t row) {
  listIndex_ = row;
  RaiseList(false);
}

void HomeToolkitDouble::SpuriousListClick() {
  listIndex_ = -1;
  RaiseList(false);
}

std::size_t HomeToolkitDouble::NestedClicks() const {
  return static_cast<std::size_t>(
      std::count_if(clicks_.begin(), clicks_.end(), [](const Click& c) { return c.nested; }));
}

std::int16_t HomeToolkitDouble::PeriodCount() const { return catalogue_.PeriodCount(); }

std::string HomeToolkitDouble::PeriodName(std::int16_t row) const {
  return catalogue_.PeriodName(row);
}

std::string HomeToolkitDouble::EraNumberText(std::int16_t row) const {
  return catalogue_.EraNumberText(row);
}

std::string HomeToolkitDouble::EraCaption(std::int16_t era) const {
  return catalogue_.EraCaption(era);
}

void HomeToolkitDouble::SetListIndex(std::int16_t row) {
  if (row < -1 || row >= PeriodCount()) throw std::out_of_range("ListIndex");
  const bool changed = row != listIndex_;
  listIndex_ = row;
  if (raise_ == Raise::Always || (raise_ == Raise::OnChange && changed)) RaiseList(true);
}

void HomeToolkitDouble::SelectEra(std::int16_t era) {
  if (era < 0 || era >= kEraCount) throw std::out_of_range("Option1");
  const bool changed = checkedEra_ != era;
  checkedEra_ = era;
  if (raise_ == Raise::Always || (raise_ == Raise::OnChange && changed)) RaiseEra(era, true);
}

void HomeToolkitDouble::SetText(std::string text) {
  text_ = std::move(text);
  ++textWrites_;
}

void HomeToolkitDouble::RaiseList(bool nested) {
  clicks_.push_back({Click::Source::List, 0, nested, coordinator_.State().ClickGuard});
  coordinator_.List1_Click(0);
}

void HomeToolkitDouble::RaiseEra(std::int16_t era, bool nested) {
  clicks_.push_back({Click::Source::Era, era, nested, coordinator_.State().ClickGuard});
  coordinator_.Option1_Click(era);
}

}  // namespace tarvinel::testing
