#include "qt_driver.hpp"

namespace tarvinel::model {
namespace {

Qt::Key QtKey(Key key) {
  switch (key) {
    case Key::Up:
      return Qt::Key_Up;
    case Key::Down:
      return Qt::Key_Down;
    case Key::Left:
      return Qt::Key_Left;
    case Key::Home:
      return Qt::Key_Home;
    case Key::End:
      return Qt::Key_End;
    case Key::PageUp:
      return Qt::Key_PageUp;
    case Key::PageDown:
      return Qt::Key_PageDown;
    case Key::Space:
      return Qt::Key_Space;
    case Key::Tab:
      return Qt::Key_Tab;
    case Key::Backtab:
      return Qt::Key_Backtab;
    case Key::Enter:
      return Qt::Key_Return;
  }
  return Qt::Key_unknown;
}

}  // namespace

bool QtDriver::Restart() {
  if (!window) return Open();
  window->Restart();
  QCoreApplication::processEvents();
  shownTexts.clear();
  listClicks->clear();
  return window->isActiveWindow();
}

void QtDriver::Do(const Action& action) {
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
      Key(QtKey(static_cast<model::Key>(action.arg)));
      break;
  }
}

Screen QtDriver::Seen() const {
  Screen seen;
  seen.checkedEra = CheckedEra();
  seen.selectedRow = SelectedRow();
  seen.text = window->Text();
  QWidget* focus = QApplication::focusWidget();
  seen.focus = 100;
  if (focus == Output()) seen.focus = kFocusOutput;
  if (focus == List()) seen.focus = kFocusList;
  for (int era = 0; era < 6; ++era) {
    if (focus == Era(era)) seen.focus = era;
  }
  return seen;
}

std::string QtDriver::Inconsistency() const {
  std::string found;
  if (window->ListIndex() != SelectedRow()) found += " ListIndex differs from the selected row;";
  if (window->State().ClickGuard != Guard::Idle) found += " guard not idle;";
  return found;
}

int QtDriver::PageStep() const {
  const int rowHeight = List()->visualItemRect(List()->item(0)).height();
  return List()->viewport()->height() / rowHeight - 1;
}

}  // namespace tarvinel::model
