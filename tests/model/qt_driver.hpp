#pragma once

#include "model_check.hpp"
#include "window_fixture.hpp"

namespace tarvinel::model {

// The Qt window, driven by Qt's mouse and key events.
class QtDriver : public Driver, public testing::WindowDriver {
 public:
  bool Open() override { return testing::WindowDriver::Open(); }
  bool Restart() override;
  void Do(const Action& action) override;
  Screen Seen() const override;
  std::string Inconsistency() const override;
  int PageStep() const override;
};

}  // namespace tarvinel::model
