#pragma once

#include <sys/resource.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

// Ends the program once `window` has been painted for the first time, and prints how long that
// took since $TARVINEL_BENCH_T0 (nanoseconds since the epoch, taken just before the program was
// started) and the peak resident memory so far: "first-paint-ms peak-kib".
class QuitAfterFirstPaint : public QObject {
 public:
  explicit QuitAfterFirstPaint(QWidget* window) : QObject(window) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      // Children paint in the same pass; the next turn of the event loop comes after all of it.
      QTimer::singleShot(0, this, [] {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const char* start = std::getenv("TARVINEL_BENCH_T0");
        const double nanoseconds = start ? static_cast<double>(now.tv_sec) * 1e9 +
                                               static_cast<double>(now.tv_nsec) -
                                               std::strtod(start, nullptr)
                                         : 0.0;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%.3f %ld\n", nanoseconds / 1e6, usage.ru_maxrss);
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool painted_ = false;
};
