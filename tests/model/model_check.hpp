#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "self_check_model.hpp"
#include "ui_model.hpp"

namespace tarvinel::model {

// One window under test, driven by its toolkit's own mouse and key events.
class Driver {
 public:
  virtual ~Driver() = default;
  // Opens a fresh window; false when it could not be opened.
  virtual bool Open() = 0;
  // Puts the open window back as it opened, where the window can be, else opens a fresh one.
  virtual bool Restart() { return Open(); }
  virtual void Do(const Action& action) = 0;
  // What the user sees now: the checked era, the selected row, the box's text with CR LF line
  // ends, and where the focus is.
  virtual Screen Seen() const = 0;
  // Anything else the window shows that does not fit together (the box against its text, a
  // guard left set); empty when all is well.
  virtual std::string Inconsistency() const { return {}; }
  // The rows one page key moves.
  virtual int PageStep() const = 0;

 protected:
  Driver() = default;
  Driver(const Driver&) = default;
  Driver& operator=(const Driver&) = default;
};

// A window and the model side by side: every action goes to both, and after each the screens
// must agree. In a self-check, the round's model checks the box after each answer, and the box
// must not change without one.
class ModelCheck {
 public:
  ModelCheck(Driver& driver, Rules rules) : driver_(driver), rules_(rules) {}

  // A fresh window, or the one window restarted, and a fresh model; false when the window could
  // not be opened.
  bool Start();
  // The window opened anew, in a self-check that goes on with the round where it was left.
  bool Resume();
  void Do(const Action& action);
  // How the window differs from the model now; empty when they agree.
  std::string Mismatch() const;
  // Runs `actions` from the start; the first mismatch, with the step it came after, or empty.
  std::string Run(const std::vector<Action>& actions);
  const Rules& rules() const { return rules_; }
  const RoundModel& round() const { return round_; }

 private:
  Driver& driver_;
  Rules rules_;
  bool opened_ = false;
  std::optional<Model> model_;
  RoundModel round_;
  std::string roundMismatch_;
};

// The shortest sequence found, by dropping actions one at a time, that still makes the window
// and the model disagree.
std::vector<Action> Shrink(ModelCheck& check, std::vector<Action> failing);

// A walk of `steps` random actions from the alphabet on one window, compared with the model at
// every step; empty when they always agree, else the seed, the step, the mismatch and the
// shortest failing sequence found.
std::string RandomWalk(ModelCheck& check, std::uint32_t seed, int steps);

}  // namespace tarvinel::model
