#pragma once

#include <QApplication>
#include <memory>
#include <optional>

#include "tarvinel/design.hpp"

namespace tarvinel {

// Creates the application with the program's name, version and desktop identity. Where Qt cannot
// open a display it prints one line saying so and exits with status 1, instead of aborting. Asked
// to end (SIGTERM, SIGHUP, SIGINT), the program closes its window and ends with status 0.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

// --help and --version, answered on standard output before any display is needed: the status to
// end with, where the program is to end.
std::optional<int> AnswerWithoutWindow(int argc, char** argv);
// The window the arguments that Qt left ask for; an argument not understood is refused with one
// line on standard error, and nothing comes back.
std::optional<design::Purpose> PurposeOf(const QApplication& app);

}  // namespace tarvinel
