#pragma once

#include <QApplication>
#include <memory>

namespace tarvinel {

// Creates the application with the program's name, version and desktop identity. Where Qt cannot
// open a display it prints one line saying so and exits with status 1, instead of aborting. Asked
// to end (SIGTERM, SIGHUP, SIGINT), the program closes its window and ends with status 0.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

}  // namespace tarvinel
