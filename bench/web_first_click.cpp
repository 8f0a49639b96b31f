// The web edition's first visit: the time from navigation until the page answers its first click
// on an era, against two floors: the floor page (the same controls and statement in plain HTML,
// no script, whose answer is the click reaching the era) and the scripted floor (the floor page
// with one small external script that answers the click with a fixed text), each in a fresh
// browser profile, alternating; and the files the page itself fetched.
//   web_first_click DIST FLOOR RUNS
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "chromium.hpp"

namespace {

using tarvinel::testing::Chromium;
using tarvinel::testing::Json;
using tarvinel::testing::StaticServer;
namespace fs = std::filesystem;

// Where era 0's button is drawn in an 800-pixel-wide view: the window is centred.
constexpr double kEraX = (800 - 461) / 2.0 + 8 + 40;
constexpr double kEraY = 40 + 20 + 10;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Milliseconds from navigation until `answered` holds after a click on era 0.
double FirstClick(const StaticServer& server, const std::string& page, const std::string& answered,
                  std::set<std::string>* fetched) {
  Chromium browser;
  const auto start = std::chrono::steady_clock::now();
  browser.Page("Page.navigate", {{"url", server.Url(page)}});
  for (;;) {
    browser.Click(kEraX, kEraY);
    if (browser.Evaluate(answered) == true) break;
  }
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  if (fetched) {
    for (const Json& event : browser.Events()) {
      if (event["method"] == "Network.requestWillBeSent") {
        const std::string url = event["params"]["request"]["url"];
        fetched->insert(url.substr(server.Url("").size()));
      }
    }
  }
  return took.count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: web_first_click DIST FLOOR RUNS\n");
    return 2;
  }
  const fs::path folder =
      fs::temp_directory_path() / ("tarvinel-web-bench-" + std::to_string(getpid()));
  fs::copy(argv[1], folder, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  fs::copy_file(argv[2], folder / "floor.html", fs::copy_options::overwrite_existing);
  {
    std::ifstream in(argv[2], std::ios::binary);
    std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto head = page.find("</head>");
    if (head == std::string::npos) {
      std::fprintf(stderr, "web_first_click: %s has no head\n", argv[2]);
      return 1;
    }
    page.insert(head, "<script src=\"floor.js\" async></script>\n");
    std::ofstream(folder / "floor-scripted.html", std::ios::binary) << page;
    std::ofstream(folder / "floor.js", std::ios::binary)
        << "document.addEventListener(\"click\", function (event) {\n"
           "  if (event.target.closest(\".era\")) {\n"
           "    document.getElementById(\"Text1_0\").value = \"Посочена ера\";\n"
           "  }\n"
           "});\n";
  }
  const int runs = std::atoi(argv[3]);
  std::vector<double> program;
  std::vector<double> floor;
  std::vector<double> scripted;
  std::set<std::string> fetched;
  {
    const StaticServer server(folder);
    for (int run = 0; run < runs; ++run) {
      floor.push_back(FirstClick(server, "floor.html",
                                 "document.activeElement && document.activeElement.id == "
                                 "'Option1_0'",
                                 nullptr));
      scripted.push_back(FirstClick(
          server, "floor-scripted.html",
          "(document.getElementById('Text1_0') || {value: ''}).value == 'Посочена ера'", nullptr));
      program.push_back(FirstClick(server, "",
                                   "(document.getElementById('Text1_0') || {value: ''})"
                                   ".value.startsWith('Посочена ера: Мезозой')",
                                   run == 0 ? &fetched : nullptr));
    }
  }
  fs::remove_all(folder);
  std::printf("fetched:");
  for (const std::string& file : fetched)
    std::printf(" %s", file.empty() ? "index.html" : file.c_str());
  std::printf("\nfirst click (ms): floor %.1f  tarvinel %.1f  ratio %.2f\n", Median(floor),
              Median(program), Median(program) / Median(floor));
  std::printf("first click (ms): scripted floor %.1f  tarvinel %.1f  ratio %.2f\n",
              Median(scripted), Median(program), Median(program) / Median(scripted));
  return 0;
}
