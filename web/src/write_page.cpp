#include <cstdio>
#include <fstream>
#include <string>
#include <utility>

#include "tarvinel/web_page.hpp"

// write_page FOLDER FLOOR: the web edition's two pages, style sheet and manifest into FOLDER, and
// the floor page, the designed window's page with no script, as the file FLOOR.
int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: write_page FOLDER FLOOR\n");
    return 2;
  }
  using tarvinel::design::Purpose;
  using tarvinel::web::PageFile;
  using tarvinel::web::PageKind;
  using tarvinel::web::PageMarkup;
  const std::string folder = argv[1] + std::string("/");
  const std::pair<std::string, std::string> files[] = {
      {folder + PageFile(Purpose::Reference), PageMarkup(PageKind::Program)},
      {folder + PageFile(Purpose::SelfCheck), PageMarkup(PageKind::Program, Purpose::SelfCheck)},
      {folder + "tarvinel.css", tarvinel::web::PageStyle()},
      {folder + tarvinel::web::kManifestFile, tarvinel::web::WebManifest()},
      {argv[2], PageMarkup(PageKind::Floor)},
  };
  for (const auto& [path, content] : files) {
    std::ofstream out(path, std::ios::binary);
    out << content;
    if (!out.flush()) {
      std::fprintf(stderr, "write_page: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
