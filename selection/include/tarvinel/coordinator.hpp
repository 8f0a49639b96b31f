#pragma once

#include <cstdint>
#include <optional>

#include "tarvinel/tarvinel_view.hpp"

namespace tarvinel {

enum class Guard : std::int16_t {
  Idle = 0,
  PeriodHandler = 1,  // List1_Click is running
  EraHandler = 2,     // Option1_Click is running, until ShowEraPeriods ends
};

struct CoordinatorState {
  Guard ClickGuard = Guard::Idle;
  std::optional<double> EraIndex;           // era last picked, directly or through a period
  std::optional<std::int16_t> PeriodIndex;  // the period row being reported
};

// The two click handlers of the window. Each moves the other side's selection, and the toolkit may
// report that move as a click from inside the write; ClickGuard makes such nested clicks do
// nothing.
class Coordinator : public PickHandler {
 public:
  explicit Coordinator(TarvinelView& view) : view_(view) {}

  void Option1_Click(std::int16_t Index) override;
  void List1_Click(std::int16_t Index) override;

  const CoordinatorState& State() const { return state_; }
  // Forgets every pick, as when the window opens.
  void Restart() { state_ = CoordinatorState{}; }

 private:
  void ShowEraPeriods();

  TarvinelView& view_;
  CoordinatorState state_;
};

}  // namespace tarvinel
