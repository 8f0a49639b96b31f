#include "tarvinel/start_application.hpp"
#include "tarvinel/tarvinel_window.hpp"

int main(int argc, char* argv[]) {
  const auto app = tarvinel::StartApplication(argc, argv);
  tarvinel::Tarvinel window;
  window.show();
  return app->exec();
}
