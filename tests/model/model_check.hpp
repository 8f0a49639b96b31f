#pragma once

#include <string>
#include <vector>

#include "ui_model.hpp"
#include "window_fixture.hpp"

namespace tarvinel::model {

// The real window and the model side by side: every action goes to both, and after each the
// screens must agree.
class ModelCheck : public testing::WindowDriver {
 public:
  // A fresh window and a fresh model; false when the window could not be opened.
  bool Start();
  void Do(const Action& action);
  // How the window differs from the model now; empty when they agree.
  std::string Mismatch() const;
  // Runs `actions` on a fresh window; the first mismatch, with the step it came after, or empty.
  std::string Run(const std::vector<Action>& actions);

 private:
  int Focus() const;
  std::optional<Model> model_;
};

// The shortest sequence found, by dropping actions one at a time, that still makes the window
// and the model disagree.
std::vector<Action> Shrink(ModelCheck& check, std::vector<Action> failing);

}  // namespace tarvinel::model
