#include "tarvinel/web_window.hpp"

// The page is already drawn; the window binds its controls and lives as long as the page does.
int main() {
  static tarvinel::web::Tarvinel window;
  tarvinel::web::EnableInstalling();
  return 0;
}
