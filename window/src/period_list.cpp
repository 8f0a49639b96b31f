#include "period_list.hpp"

#include <QAccessible>
#include <QKeyEvent>
#include <optional>

namespace tarvinel {

std::optional<QAbstractItemView::CursorAction> PeriodList::NavigationOf(int key) {
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Left:
      return QAbstractItemView::MoveUp;
    case Qt::Key_Down:
    case Qt::Key_Right:
      return QAbstractItemView::MoveDown;
    case Qt::Key_Home:
      return QAbstractItemView::MoveHome;
    case Qt::Key_End:
      return QAbstractItemView::MoveEnd;
    case Qt::Key_PageUp:
      return QAbstractItemView::MovePageUp;
    case Qt::Key_PageDown:
      return QAbstractItemView::MovePageDown;
    default:
      return std::nullopt;
  }
}

PeriodList::PeriodList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setSortingEnabled(false);
}

void PeriodList::SetListIndex(int row) {
  if (row < -1 || row >= count()) row = -1;
  if (row == selectedRow_) return;
  ShowRow(row);
  selectedRow_ = row;
  emit Click();
}

void PeriodList::Restart() {
  selectionModel()->clear();
  selectedRow_ = -1;
  scrollToTop();
}

// Deselecting (a Ctrl+click on the selected row, a click on empty space) is refused; any other
// pick selects that row alone.
QItemSelectionModel::SelectionFlags PeriodList::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
  if (!index.isValid()) return QItemSelectionModel::NoUpdate;
  const auto command = QListWidget::selectionCommand(index, event);
  if (command.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
    return index.row() == selectedRow_ ? QItemSelectionModel::NoUpdate
                                       : QItemSelectionModel::ClearAndSelect;
  }
  return command;
}

// Navigation keys move from the selected row, whatever Qt's current row is; from no selection
// they select the first row, End the last. The list has one column, so Left and Right move up and
// down like Up and Down. Space selects the first row when none is selected and otherwise does
// nothing: it never toggles the selection.
void PeriodList::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select || (answering_ && enter)) {
    event->accept();
    if (answering_ && selectedRow_ >= 0) {
      emit Answered();
      return;
    }
    if (selectedRow_ < 0 && count() > 0) ShowRow(0);
    Settle();
    return;
  }
  const auto action = NavigationOf(event->key());
  if (!action || count() == 0) {
    QListWidget::keyPressEvent(event);
    Settle();
    return;
  }
  event->accept();
  int target = *action == MoveEnd ? count() - 1 : 0;
  if (selectedRow_ >= 0) {
    selectionModel()->setCurrentIndex(model()->index(selectedRow_, 0),
                                      QItemSelectionModel::NoUpdate);
    const QModelIndex moved = moveCursor(*action, Qt::NoModifier);
    target = moved.isValid() ? moved.row() : selectedRow_;
  }
  ShowRow(target);
  Settle();
}

void PeriodList::mousePressEvent(QMouseEvent* event) {
  QListWidget::mousePressEvent(event);
  Settle();
}

void PeriodList::mouseMoveEvent(QMouseEvent* event) {
  QListWidget::mouseMoveEvent(event);
  Settle();
}

void PeriodList::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  Settle();
  if (answering_ && event->button() == Qt::LeftButton && selectedRow_ >= 0 &&
      indexAt(event->position().toPoint()).row() == selectedRow_) {
    emit Answered();
  }
}

void PeriodList::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  Settle();
}

int PeriodList::RowSelectedInQt() const {
  const QModelIndexList rows = selectionModel()->selectedIndexes();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void PeriodList::ShowRow(int row) {
  if (row < 0) {
    selectionModel()->clear();
    return;
  }
  const QModelIndex index = model()->index(row, 0);
  const bool alreadyCurrent = currentIndex() == index;
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  scrollTo(index);
  // Focusing the list makes its first row current without selecting it. Selecting that row then
  // changes no current row, so Qt tells assistive technology nothing of the move; tell it here,
  // as Qt does for every other move.
  if (alreadyCurrent && hasFocus() && QAccessible::isActive()) {
    QAccessibleEvent moved(this, QAccessible::Focus);
    moved.setChild(row);  // every row is shown, so a row is its own accessible child
    QAccessible::updateAccessibility(&moved);
  }
}

// After a user event: report a new selected row once; restore a selection that Qt dropped.
void PeriodList::Settle() {
  const int row = RowSelectedInQt();
  if (row == selectedRow_) return;
  if (row < 0) {
    ShowRow(selectedRow_);
    return;
  }
  selectedRow_ = row;
  emit Click();
}

}  // namespace tarvinel
