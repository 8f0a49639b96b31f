#include "model_check.hpp"

#include <random>
#include <sstream>

namespace tarvinel::model {
namespace {

constexpr const char* kNotOpened = "the window did not open";

}  // namespace

bool ModelCheck::Start() {
  if (!(opened_ ? driver_.Restart() : driver_.Open())) return false;
  opened_ = true;
  model_.emplace(driver_.Seen().text, driver_.PageStep(), rules_);
  roundMismatch_ = rules_.selfCheck ? round_.Opened(model_->screen().text) : "";
  return true;
}

bool ModelCheck::Resume() {
  if (!driver_.Open()) return false;
  model_.emplace(driver_.Seen().text, driver_.PageStep(), rules_);
  roundMismatch_ = round_.Resumed(model_->screen().text);
  return true;
}

void ModelCheck::Do(const Action& action) {
  if (model_->LeavesWindow(action)) return;  // a walk stays in the one window
  driver_.Do(action);
  model_->Apply(action);
  if (const auto& answer = model_->answered(); answer && roundMismatch_.empty()) {
    const std::string box = driver_.Seen().text;
    roundMismatch_ = round_.Answered(answer->era, answer->index, box);
    model_->Show(box);
  }
}

std::string ModelCheck::Mismatch() const {
  const Screen& expected = model_->screen();
  const Screen seen = driver_.Seen();
  std::ostringstream out;
  if (seen.checkedEra != expected.checkedEra) {
    out << " checked era " << seen.checkedEra.value_or(-1) << " instead of "
        << expected.checkedEra.value_or(-1) << ';';
  }
  if (seen.selectedRow != expected.selectedRow) {
    out << " selected row " << seen.selectedRow << " instead of " << expected.selectedRow << ';';
  }
  if (seen.text != expected.text) out << " text \"" << seen.text << "\";";
  if (seen.focus != expected.focus) {
    out << " focus " << seen.focus << " instead of " << expected.focus << ';';
  }
  if (!roundMismatch_.empty()) out << " round: " << roundMismatch_ << ';';
  out << driver_.Inconsistency();
  return out.str();
}

std::string ModelCheck::Run(const std::vector<Action>& actions) {
  if (!Start()) return kNotOpened;
  for (std::size_t step = 0; step < actions.size(); ++step) {
    Do(actions[step]);
    const std::string mismatch = Mismatch();
    if (!mismatch.empty()) {
      return "after step " + std::to_string(step + 1) + " (" + Describe(actions[step]) +
             "):" + mismatch;
    }
  }
  return {};
}

std::vector<Action> Shrink(ModelCheck& check, std::vector<Action> failing) {
  for (bool smaller = true; smaller;) {
    smaller = false;
    for (std::size_t drop = 0; drop < failing.size(); ++drop) {
      std::vector<Action> candidate = failing;
      candidate.erase(candidate.begin() + static_cast<std::ptrdiff_t>(drop));
      const std::string failure = check.Run(candidate);
      // A window that no longer opens (another took the desktop's focus) says nothing of the
      // candidate, and would cost every later one the whole wait for it.
      if (failure == kNotOpened) return failing;
      if (!failure.empty()) {
        failing = std::move(candidate);
        smaller = true;
        break;
      }
    }
  }
  return failing;
}

std::string RandomWalk(ModelCheck& check, std::uint32_t seed, int steps) {
  // Shrinking reruns the walk many times over; past this length it would take too long.
  constexpr std::size_t kLongestToShrink = 400;
  const std::vector<Action> alphabet = Alphabet(check.rules().selfCheck);
  std::mt19937 random(seed);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  if (!check.Start()) return kNotOpened;
  std::vector<Action> walked;
  for (int step = 0; step < steps; ++step) {
    walked.push_back(alphabet[pick(random)]);
    check.Do(walked.back());
    const std::string mismatch = check.Mismatch();
    if (!mismatch.empty()) {
      std::string found =
          "seed " + std::to_string(seed) + ", step " + std::to_string(step + 1) + ":" + mismatch;
      if (walked.size() > kLongestToShrink) {
        walked.erase(walked.begin(), walked.end() - 12);
        return found + "\nthe last actions: " + Describe(walked);
      }
      // A failure that the same actions do not bring again depends on more than the actions (the
      // machine's timing, another window): shrinking would only replay the walk over and over.
      if (check.Run(walked).empty()) {
        return found + "\nthe same actions, replayed from the start, did not fail again";
      }
      const std::vector<Action> shortest = Shrink(check, walked);
      return found + "\nshortest failing sequence: " + Describe(shortest) + "\n" +
             check.Run(shortest);
    }
  }
  return {};
}

}  // namespace tarvinel::model
