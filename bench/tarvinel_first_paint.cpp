// tarvinel's own start, as app/main.cpp does it, ending after the window's first paint.
#include "first_paint.hpp"
#include "tarvinel/start_application.hpp"
#include "tarvinel/tarvinel_window.hpp"

int main(int argc, char* argv[]) {
  const auto app = tarvinel::StartApplication(argc, argv);
  tarvinel::Tarvinel window;
  new QuitAfterFirstPaint(&window);
  window.show();
  return app->exec();
}
