#include "announcer.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

namespace tarvinel {
namespace {

class AccessibleAnnouncer : public QAccessibleWidget {
 public:
  explicit AccessibleAnnouncer(Announcer* announcer)
      : QAccessibleWidget(announcer, QAccessible::Notification) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return static_cast<const Announcer*>(widget())->Message();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* AccessibleFor(const QString& className, QObject* object) {
  if (className == QLatin1String("tarvinel::Announcer")) {
    return new AccessibleAnnouncer(static_cast<Announcer*>(object));
  }
  return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(AccessibleFor);
    return true;
  }();
  static_cast<void>(factoryInstalled);
  setObjectName(QStringLiteral("Announcer"));
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, 0, 0);
  hide();
}

// Shown once the event that wrote the report has ended, so that a screen reader first says what
// the control itself announces (an era "selected", a row's name), then the report.
void Announcer::Announce(const QString& message) {
  message_ = message;
  if (pending_) return;
  pending_ = true;
  QTimer::singleShot(0, this, [this] {
    pending_ = false;
    hide();
    show();
  });
}

}  // namespace tarvinel
