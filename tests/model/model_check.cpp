#include "model_check.hpp"

#include <sstream>

namespace tarvinel::model {

bool ModelCheck::Start() {
  if (!Open()) return false;
  const int rowHeight = List()->visualItemRect(List()->item(0)).height();
  model_.emplace(window->Text(), List()->viewport()->height() / rowHeight - 1);
  return true;
}

void ModelCheck::Do(const Action& action) {
  switch (action.kind) {
    case Action::Kind::ClickEra:
      ClickEra(action.arg);
      break;
    case Action::Kind::ClickRow:
      ClickRow(action.arg);
      break;
    case Action::Kind::ReclickCheckedEra:
      if (const auto era = CheckedEra()) ClickEra(*era);
      break;
    case Action::Kind::CtrlClickSelected:
      ClickRow(std::max(SelectedRow(), 0), Qt::ControlModifier);
      break;
    case Action::Kind::ClickBelowRows:
      ClickBelowTheRows();
      break;
    case Action::Kind::Key:
      Key(static_cast<Qt::Key>(action.arg));
      break;
  }
  model_->Apply(action);
}

int ModelCheck::Focus() const {
  QWidget* focus = QApplication::focusWidget();
  if (focus == Output()) return kFocusOutput;
  if (focus == List()) return kFocusList;
  for (int era = 0; era < 6; ++era) {
    if (focus == Era(era)) return era;
  }
  return 100;
}

std::string ModelCheck::Mismatch() const {
  const Screen& expected = model_->screen();
  std::ostringstream out;
  if (CheckedEra() != expected.checkedEra) {
    out << " checked era " << CheckedEra().value_or(-1) << " instead of "
        << expected.checkedEra.value_or(-1) << ';';
  }
  if (SelectedRow() != expected.selectedRow || window->ListIndex() != expected.selectedRow) {
    out << " selected row " << SelectedRow() << " (ListIndex " << window->ListIndex()
        << ") instead of " << expected.selectedRow << ';';
  }
  if (window->Text() != expected.text) out << " text \"" << window->Text() << "\";";
  const QString lines =
      QString::fromStdString(expected.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (Output()->toPlainText() != lines) out << " the box shows another text;";
  if (Focus() != expected.focus)
    out << " focus " << Focus() << " instead of " << expected.focus << ';';
  if (window->State().ClickGuard != Guard::Idle) out << " guard not idle;";
  return out.str();
}

std::string ModelCheck::Run(const std::vector<Action>& actions) {
  if (!Start()) return "the window did not open";
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
      if (!check.Run(candidate).empty()) {
        failing = std::move(candidate);
        smaller = true;
        break;
      }
    }
  }
  return failing;
}

}  // namespace tarvinel::model
