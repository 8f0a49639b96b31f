#pragma once

#include <QKeyEvent>
#include <QRadioButton>

namespace tarvinel {

// A radio button that answers a click anywhere on its coloured bar, not only on its indicator
// and caption, and that also reports a user's click on it while it is already checked, which
// QButtonGroup's toggle signals do not. In a self-check, Enter clicks it as Space does.
class EraButton : public QRadioButton {
  Q_OBJECT

 public:
  EraButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
    connect(this, &QAbstractButton::pressed, this, [this] { checkedAtPress_ = isChecked(); });
    connect(this, &QAbstractButton::clicked, this, [this] {
      if (checkedAtPress_) emit ClickedWhileChecked();
    });
  }

  void SetEnterClicks(bool enterClicks) { enterClicks_ = enterClicks; }

 signals:
  void ClickedWhileChecked();

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
  void keyPressEvent(QKeyEvent* event) override {
    if (enterClicks_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
      event->accept();
      click();
      return;
    }
    QRadioButton::keyPressEvent(event);
  }

 private:
  bool checkedAtPress_ = false;
  bool enterClicks_ = false;
};

}  // namespace tarvinel
