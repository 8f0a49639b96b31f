#include "ui_model.hpp"

#include <algorithm>
#include <array>

#include "expected_reports.hpp"

namespace tarvinel::model {
namespace {

constexpr int kEras = 6;
constexpr int kRows = 22;
constexpr std::array<int, 9> kTabOrder = {kFocusOutput, 0, 1, 2, kFocusList, 3, 4, 5, kFocusLink};
constexpr std::array<Key, 10> kKeys = {Key::Up,      Key::Down,     Key::Home,  Key::End,
                                       Key::PageUp,  Key::PageDown, Key::Space, Key::Tab,
                                       Key::Backtab, Key::Left};

std::string KeyName(int key) {
  switch (static_cast<Key>(key)) {
    case Key::Up:
      return "Up";
    case Key::Down:
      return "Down";
    case Key::Left:
      return "Left";
    case Key::Home:
      return "Home";
    case Key::End:
      return "End";
    case Key::PageUp:
      return "PageUp";
    case Key::PageDown:
      return "PageDown";
    case Key::Space:
      return "Space";
    case Key::Tab:
      return "Tab";
    case Key::Backtab:
      return "Shift+Tab";
    case Key::Enter:
      return "Enter";
    default:
      return "key " + std::to_string(key);
  }
}

}  // namespace

std::vector<Action> Alphabet(bool selfCheck) {
  std::vector<Action> actions;
  for (int era = 0; era < kEras; ++era) actions.push_back({Action::Kind::ClickEra, era});
  for (int row = 0; row < kRows; ++row) actions.push_back({Action::Kind::ClickRow, row});
  actions.push_back({Action::Kind::ReclickCheckedEra});
  actions.push_back({Action::Kind::CtrlClickSelected});
  actions.push_back({Action::Kind::ClickBelowRows});
  for (Key key : kKeys) actions.push_back({Action::Kind::Key, static_cast<int>(key)});
  if (selfCheck) actions.push_back({Action::Kind::Key, static_cast<int>(Key::Enter)});
  return actions;
}

std::string Describe(const Action& action) {
  switch (action.kind) {
    case Action::Kind::ClickEra:
      return "click era " + std::to_string(action.arg);
    case Action::Kind::ClickRow:
      return "click row " + std::to_string(action.arg);
    case Action::Kind::ReclickCheckedEra:
      return "click the checked era";
    case Action::Kind::CtrlClickSelected:
      return "Ctrl+click the selected row";
    case Action::Kind::ClickBelowRows:
      return "click below the rows";
    case Action::Kind::Key:
      return KeyName(action.arg);
  }
  return "?";
}

std::string Describe(const std::vector<Action>& actions) {
  std::string text;
  for (const Action& action : actions) text += (text.empty() ? "" : ", ") + Describe(action);
  return "[" + text + "]";
}

Model::Model(std::string statement, int pageStep, Rules rules)
    : pageStep_(pageStep), rules_(rules) {
  screen_.text = std::move(statement);
}

void Model::Apply(const Action& action) {
  if (rules_.selfCheck) return ApplySelfCheck(action);
  switch (action.kind) {
    case Action::Kind::ClickEra:
      screen_.focus = action.arg;
      PickEra(action.arg);
      break;
    case Action::Kind::ClickRow:
      screen_.focus = kFocusList;
      if (action.arg != screen_.selectedRow) PickRow(action.arg);
      break;
    case Action::Kind::ReclickCheckedEra:
      if (screen_.checkedEra) Apply({Action::Kind::ClickEra, *screen_.checkedEra});
      break;
    case Action::Kind::CtrlClickSelected:
      // Ctrl+click never deselects; on an unselected row it selects like a plain click.
      screen_.focus = kFocusList;
      if (screen_.selectedRow < 0) PickRow(0);
      break;
    case Action::Kind::ClickBelowRows:
      screen_.focus = kFocusList;
      break;
    case Action::Kind::Key:
      if (static_cast<Key>(action.arg) == Key::Tab ||
          static_cast<Key>(action.arg) == Key::Backtab) {
        MoveFocus(static_cast<Key>(action.arg) == Key::Tab);
      } else if (screen_.focus == kFocusList) {
        ListKey(action.arg);
      } else if (screen_.focus >= 0 && screen_.focus < kEras) {
        EraKey(screen_.focus, action.arg);
      }  // the read-only output box and the link change nothing
      break;
  }
}

// Picking an era, even the checked one, writes its report and clears the period list.
void Model::PickEra(int era) {
  screen_.checkedEra = era;
  screen_.selectedRow = -1;
  screen_.text = expected::kEraReports[era];
}

void Model::PickRow(int row) {
  screen_.selectedRow = row;
  caret_ = row;
  screen_.checkedEra = expected::kPeriods[row].era;
  screen_.text = expected::PeriodReport(row);
}

// Keys in the list move from the selected row; with none selected they select the first row
// (End the last). Left moves like Up. A page is the rows the list shows, less one.
void Model::ListKey(int pressed) {
  if (const auto to = ListKeyTarget(pressed)) PickRow(*to);
}

std::optional<int> Model::ListKeyTarget(int pressed) const {
  const Key key = static_cast<Key>(pressed);
  const int from = screen_.selectedRow;
  if (from < 0 && rules_.listKeysFromCaret) return caret_;
  int to = from;
  switch (key) {
    case Key::Up:
    case Key::Left:
      to = from < 0 ? 0 : std::max(from - 1, 0);
      break;
    case Key::Down:
      to = from < 0 ? 0 : std::min(from + 1, kRows - 1);
      break;
    case Key::Home:
      to = 0;
      break;
    case Key::End:
      to = kRows - 1;
      break;
    case Key::PageUp:
      to = from < 0 ? 0 : std::max(from - pageStep_, 0);
      break;
    case Key::PageDown:
      to = from < 0 ? 0 : std::min(from + pageStep_, kRows - 1);
      break;
    case Key::Space:
      to = from < 0 ? 0 : from;
      break;
    default:
      break;
  }
  if (to == from) return std::nullopt;
  return to;
}

// On an era button Space picks it; Up and Down move the focus to the neighbouring button, and
// pick it too when the button left was the checked one. Other keys do nothing. Some platforms
// move in a ring and always pick (Rules).
void Model::EraKey(int era, int pressed) {
  const Key key = static_cast<Key>(pressed);
  if (key == Key::Space) {
    PickEra(era);
    return;
  }
  if (rules_.erasArrowsPickInARing) {
    if (key != Key::Up && key != Key::Left && key != Key::Down) return;
    const int next = (era + (key == Key::Down ? 1 : kEras - 1)) % kEras;
    if (screen_.checkedEra != next) PickEra(next);
    screen_.focus = next;
    return;
  }
  int next = era;
  if (key == Key::Up && era > 0) next = era - 1;
  if (key == Key::Down && era < kEras - 1) next = era + 1;
  if (next == era) return;
  if (screen_.checkedEra == era) PickEra(next);
  screen_.focus = next;
}

bool Model::LeavesWindow(const Action& action) const {
  return screen_.focus == kFocusLink && action.kind == Action::Kind::Key &&
         static_cast<Key>(action.arg) == Key::Enter;
}

void Model::MoveFocus(bool forward) {
  const auto at = std::find(kTabOrder.begin(), kTabOrder.end(), screen_.focus) - kTabOrder.begin();
  const auto size = static_cast<std::ptrdiff_t>(kTabOrder.size()) - (rules_.pageLink ? 0 : 1);
  screen_.focus = kTabOrder[static_cast<std::size_t>((at + (forward ? 1 : size - 1)) % size)];
}

// In a self-check, a click answers with what it is on, and Space or Enter with the era button or
// the selected row that has the focus; keys that only move select rows and move the focus, and,
// where the platform's arrows check era buttons, check them, without answering.
void Model::ApplySelfCheck(const Action& action) {
  answered_.reset();
  const Key key = static_cast<Key>(action.arg);
  switch (action.kind) {
    case Action::Kind::ClickEra:
      screen_.focus = action.arg;
      AnswerWith(true, action.arg);
      break;
    case Action::Kind::ClickRow:
      screen_.focus = kFocusList;
      AnswerWith(false, action.arg);
      break;
    case Action::Kind::ReclickCheckedEra:
      if (screen_.checkedEra) Apply({Action::Kind::ClickEra, *screen_.checkedEra});
      break;
    case Action::Kind::CtrlClickSelected:
      screen_.focus = kFocusList;
      AnswerWith(false, std::max(screen_.selectedRow, 0));
      break;
    case Action::Kind::ClickBelowRows:
      screen_.focus = kFocusList;
      break;
    case Action::Kind::Key:
      if (key == Key::Tab || key == Key::Backtab) {
        MoveFocus(key == Key::Tab);
      } else if (screen_.focus == kFocusList) {
        if ((key == Key::Space || key == Key::Enter) && screen_.selectedRow >= 0) {
          AnswerWith(false, screen_.selectedRow);
        } else if (const auto to = ListKeyTarget(key == Key::Enter ? static_cast<int>(Key::Space)
                                                                   : action.arg)) {
          screen_.selectedRow = caret_ = *to;
        }
      } else if (screen_.focus >= 0 && screen_.focus < kEras) {
        if (key == Key::Space || key == Key::Enter) {
          AnswerWith(true, screen_.focus);
          return;
        }
        // The arrows only move the focus and, where they move it, the check.
        const Screen before = screen_;
        EraKey(screen_.focus, action.arg);
        screen_.selectedRow = before.selectedRow;
        screen_.text = before.text;
      }
      break;
  }
}

void Model::AnswerWith(bool era, int index) {
  if (!era) caret_ = index;
  answered_ = Answer{era, index};
  screen_.checkedEra.reset();
  screen_.selectedRow = -1;
}

}  // namespace tarvinel::model
