#pragma once

#include <QString>
#include <QWidget>

namespace tarvinel {

// Speaks each new report to screen readers, wherever the keyboard focus is: an empty, focusless
// widget with the notification role that is shown anew with every report, the report as its
// name. Screen readers announce a notification when it appears; sighted users see nothing.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent);

  void Announce(const QString& message);
  const QString& Message() const { return message_; }

 private:
  QString message_;
  bool pending_ = false;
};

}  // namespace tarvinel
