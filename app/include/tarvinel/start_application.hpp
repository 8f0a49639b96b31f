#pragma once

#include <QApplication>
#include <memory>

namespace tarvinel {

// Creates the application with the program's name, version and desktop identity. Where Qt cannot
// open a display it prints one line saying so and exits with status 1, instead of aborting.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

}  // namespace tarvinel
