#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tarvinel/web_page.hpp"

// write_page FOLDER FLOOR PACKAGE FILE...: the web edition's two pages, style sheet and manifest
// into FOLDER; the floor page, the designed window's page with no script, as the file FLOOR; and
// into PACKAGE, the learning platform package's two pages, style sheet and manifest, which lists
// them and the FILEs that the package holds beside them.
int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: write_page FOLDER FLOOR PACKAGE FILE...\n");
    return 2;
  }
  using tarvinel::design::Purpose;
  using tarvinel::web::PageFile;
  using tarvinel::web::PageKind;
  using tarvinel::web::PageMarkup;
  const std::string folder = argv[1] + std::string("/");
  const std::string package = argv[3] + std::string("/");
  std::vector<std::string> packaged = {PageFile(Purpose::Reference), PageFile(Purpose::SelfCheck),
                                       "tarvinel.css"};
  packaged.insert(packaged.end(), argv + 4, argv + argc);
  const std::pair<std::string, std::string> files[] = {
      {folder + PageFile(Purpose::Reference), PageMarkup(PageKind::Program)},
      {folder + PageFile(Purpose::SelfCheck), PageMarkup(PageKind::Program, Purpose::SelfCheck)},
      {folder + "tarvinel.css", tarvinel::web::PageStyle()},
      {folder + tarvinel::web::kManifestFile, tarvinel::web::WebManifest()},
      {argv[2], PageMarkup(PageKind::Floor)},
      {package + PageFile(Purpose::Reference), PageMarkup(PageKind::Package)},
      {package + PageFile(Purpose::SelfCheck), PageMarkup(PageKind::Package, Purpose::SelfCheck)},
      {package + "tarvinel.css", tarvinel::web::PageStyle()},
      {package + "imsmanifest.xml", tarvinel::web::Scorm12Manifest(packaged)},
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
