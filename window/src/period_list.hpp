#pragma once

#include <QListWidget>
#include <optional>

namespace tarvinel {

// The period list raises Click exactly when its selected row changes (to a row, or to none):
// after Qt has finished the mouse or key event that changed it, or synchronously inside a
// program's write of ListIndex. The user can move the selection but never remove it. Where the
// list answers (a self-check), it also raises Answered for a click on a row, the selected one
// too, and for Space or Enter on the selected row; Enter with none selected selects as Space does.
class PeriodList : public QListWidget {
  Q_OBJECT

 public:
  explicit PeriodList(QWidget* parent);

  int ListIndex() const { return selectedRow_; }
  void SetListIndex(int row);
  // No row selected or current, the first row at the top, and no Click raised.
  void Restart();
  void SetAnswering(bool answering) { answering_ = answering; }

 signals:
  void Click();
  void Answered();

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  static std::optional<CursorAction> NavigationOf(int key);
  int RowSelectedInQt() const;
  void ShowRow(int row);
  void Settle();

  int selectedRow_ = -1;
  bool answering_ = false;
};

}  // namespace tarvinel
