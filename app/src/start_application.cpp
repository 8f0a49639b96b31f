#include "tarvinel/start_application.hpp"

#include <QList>
#include <QSocketNotifier>
#include <QStringList>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <sys/socket.h>
#include <unistd.h>

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

// A signal handler may only do async-signal-safe things: it writes a byte that the event loop
// reads, and the program then closes its window there as if the user had.
int terminationPipe[2] = {-1, -1};

void NoteTermination(int /*signal*/) {
  const char byte = 1;
  if (::write(terminationPipe[1], &byte, 1) < 0) return;  // nothing else is safe to do here
}

// SIGTERM and SIGHUP (the session ending) and SIGINT close the window and end the event loop
// normally, with status 0, instead of killing the program mid-frame.
void CloseWindowsOnTermination(QApplication* app) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, terminationPipe) != 0) return;
  auto* notifier = new QSocketNotifier(terminationPipe[0], QSocketNotifier::Read, app);
  QObject::connect(notifier, &QSocketNotifier::activated, app, [] {
    char byte = 0;
    if (::read(terminationPipe[0], &byte, 1) != 1) return;
    QApplication::closeAllWindows();
    QApplication::quit();
  });
  struct sigaction action {};
  action.sa_handler = NoteTermination;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &action, nullptr);
}

std::vector<std::string> Arguments(const QStringList& arguments) {
  std::vector<std::string> read;
  for (qsizetype at = 1; at < arguments.size(); ++at) read.push_back(arguments[at].toStdString());
  return read;
}

}  // namespace

std::optional<int> AnswerWithoutWindow(int argc, char** argv) {
  const design::CommandLine command =
      design::ReadCommandLine({argv + std::min(argc, 1), argv + argc});
  if (command.ask == design::CommandLine::Ask::Help) {
    std::fputs(design::HelpText().c_str(), stdout);
    return 0;
  }
  if (command.ask == design::CommandLine::Ask::Version) {
    std::fputs(design::VersionText(TARVINEL_VERSION).c_str(), stdout);
    return 0;
  }
  return std::nullopt;
}

std::optional<design::Purpose> PurposeOf(const QApplication& app) {
  const design::CommandLine command = design::ReadCommandLine(Arguments(app.arguments()));
  if (command.ask == design::CommandLine::Ask::Refuse) {
    std::fputs(design::RefusalText(command.refused).c_str(), stderr);
    return std::nullopt;
  }
  return command.purpose;
}

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
  CloseWindowsOnTermination(app.get());
  return app;
}

}  // namespace tarvinel
