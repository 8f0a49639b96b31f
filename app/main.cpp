#include "tarvinel/start_application.hpp"
#include "tarvinel/tarvinel_window.hpp"

int main(int argc, char* argv[]) {
  if (const auto status = tarvinel::AnswerWithoutWindow(argc, argv)) return *status;
  const auto app = tarvinel::StartApplication(argc, argv);
  const auto purpose = tarvinel::PurposeOf(*app);
  if (!purpose) return 2;
  tarvinel::Tarvinel window(*purpose);
  window.show();
  return app->exec();
}
