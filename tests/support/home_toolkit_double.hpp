#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tarvinel/coordinator.hpp"
#include "tarvinel/tarvinel_view.hpp"

namespace tarvinel::testing {

// A window without a toolkit that behaves like the home one: a program's write of the list
// selection or of an era button raises that control's click synchronously, inside the write.
class HomeToolkitDouble : public TarvinelView {
 public:
  enum class Raise {
    OnChange,  // a write raises the click when it changes the selection
    Always,    // every write raises the click, even one that changes nothing
    Never,     // program writes raise nothing
  };

  struct Click {
    enum class Source { List, Era } source;
    std::int16_t index;
    bool nested;         // raised by a program write, not by the user
    Guard guardAtRaise;  // the coordinator's guard when the click was raised
  };

  explicit HomeToolkitDouble(Raise raise = Raise::OnChange);

  // What a user does: the control changes, then it reports the click.
  void UserPicksEra(std::int16_t era);
  void UserPicksPeriod(std::int16_t row);
  // The toolkit reports a list click while nothing is selected.
  void SpuriousListClick();

  Coordinator& coordinator() { return coordinator_; }
  const CoordinatorState& State() const { return coordinator_.State(); }
  std::optional<std::int16_t> CheckedEra() const { return checkedEra_; }
  int TextWrites() const { return textWrites_; }
  const std::vector<Click>& Clicks() const { return clicks_; }
  void ForgetClicks() { clicks_.clear(); }
  std::size_t NestedClicks() const;

  std::int16_t PeriodCount() const override;
  std::string PeriodName(std::int16_t row) const override;
  std::string EraNumberText(std::int16_t row) const override;
  std::string EraCaption(std::int16_t era) const override;
  std::int16_t ListIndex() const override { return listIndex_; }
  void SetListIndex(std::int16_t row) override;
  void SelectEra(std::int16_t era) override;
  void ClearEras() override { checkedEra_.reset(); }
  std::string Text() const override { return text_; }
  void SetText(std::string text) override;

 private:
  void RaiseList(bool nested);
  void RaiseEra(std::int16_t era, bool nested);

  Raise raise_;
  FixedCatalogue catalogue_;
  Coordinator coordinator_{*this};
  std::int16_t listIndex_ = -1;
  std::optional<std::int16_t> checkedEra_;
  std::string text_ = "exercise statement\r\n";
  int textWrites_ = 0;
  std::vector<Click> clicks_;
};

}  // namespace tarvinel::testing
