#include "tarvinel/start_application.hpp"

#include <QList>
#include <cstdio>
#include <cstdlib>

namespace tarvinel {
namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

// A message handler takes no context pointer, so what it needs while QApplication starts lives
// here, set only for the length of that start.
QtMessageHandler previousHandler = nullptr;
QList<HeldMessage>* heldMessages = nullptr;

void HoldStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs(
        "tarvinel: cannot open the window: no usable display "
        "(is DISPLAY or WAYLAND_DISPLAY set to a running one?)\n",
        stderr);
    // Qt reports a display it cannot open as a fatal message and aborts right after this
    // handler returns, which would dump core. Nothing has been created yet that needs tearing
    // down, and exit() would run Qt's static destructors on a half-made application.
    std::_Exit(1);
  }
  heldMessages->append({type, QByteArray(context.category), text});
}

}  // namespace

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
  QList<HeldMessage> held;
  heldMessages = &held;
  previousHandler = qInstallMessageHandler(HoldStartMessage);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previousHandler);
  heldMessages = nullptr;
  for (const HeldMessage& message : held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    if (previousHandler) {
      previousHandler(message.type, context, message.text);
    } else {
      qt_message_output(message.type, context, message.text);
    }
  }
  QApplication::setApplicationName(QStringLiteral("tarvinel"));
  QApplication::setApplicationVersion(QStringLiteral(TARVINEL_VERSION));
  QApplication::setDesktopFileName(QStringLiteral(TARVINEL_APP_ID));
  return app;
}

}  // namespace tarvinel
