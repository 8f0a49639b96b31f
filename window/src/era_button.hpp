#pragma once

#include <QRadioButton>

namespace tarvinel {

// A radio button that answers a click anywhere on its coloured bar, not only on its indicator
// and caption, and that also reports a user's click on it while it is already checked, which
// QButtonGroup's toggle signals do not.
class EraButton : public QRadioButton {
  Q_OBJECT

 public:
  EraButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
    connect(this, &QAbstractButton::pressed, this, [this] { checkedAtPress_ = isChecked(); });
    connect(this, &QAbstractButton::clicked, this, [this] {
      if (checkedAtPress_) emit ClickedWhileChecked();
    });
  }

 signals:
  void ClickedWhileChecked();

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

 private:
  bool checkedAtPress_ = false;
};

}  // namespace tarvinel
