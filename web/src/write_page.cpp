#include <cstdio>
#include <fstream>
#include <string>
#include <utility>

#include "tarvinel/web_page.hpp"

// write_page FOLDER FLOOR: the web edition's page, style sheet and manifest into FOLDER, and the
// floor page, the same page with no script, as the file FLOOR.
int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: write_page FOLDER FLOOR\n");
    return 2;
  }
  using tarvinel::web::PageKind;
  const std::string folder = argv[1];
  const std::pair<std::string, std::string> files[] = {
      {folder + "/index.html", tarvinel::web::PageMarkup(PageKind::Program)},
      {folder + "/tarvinel.css", tarvinel::web::PageStyle()},
      {folder + "/" + tarvinel::web::kManifestFile, tarvinel::web::WebManifest()},
      {argv[2], tarvinel::web::PageMarkup(PageKind::Floor)},
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
