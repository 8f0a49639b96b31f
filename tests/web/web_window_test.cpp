#define STB_IMAGE_IMPLEMENTATION
#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "chromium.hpp"
#include "expected_design.hpp"
#include "expected_reports.hpp"
#include "tarvinel/design.hpp"
#include "web_driver.hpp"

namespace tarvinel::testing {
namespace {

constexpr std::string_view kCaption = "https://tarvinel.example.org Биология - еон, ера, период";

// A screenshot of the page, decoded, read pixel by pixel.
class Screenshot {
 public:
  explicit Screenshot(Browser& browser) {
    const std::string png = browser.Screenshot();
    int channels = 0;
    pixels_.reset(stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(png.data()),
                                        static_cast<int>(png.size()), &width_, &height_, &channels,
                                        3));
    if (!pixels_) throw std::runtime_error("the screenshot is no PNG");
  }
  std::uint32_t At(double x, double y) const {
    const auto at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                     static_cast<std::size_t>(x)) *
                    3;
    return (pixels_.get()[at] << 16) | (pixels_.get()[at + 1] << 8) | pixels_.get()[at + 2];
  }
  // Whether any pixel of the box is within `tolerance` of `colour` in every channel.
  bool Holds(const Box& box, std::uint32_t colour, int tolerance) const {
    for (double y = box.top; y < box.top + box.height; ++y) {
      for (double x = box.left; x < box.left + box.width; ++x) {
        const std::uint32_t pixel = At(x, y);
        bool near = true;
        for (int shift : {0, 8, 16}) {
          const int a = static_cast<int>((pixel >> shift) & 0xFF);
          const int b = static_cast<int>((colour >> shift) & 0xFF);
          near = near && std::abs(a - b) <= tolerance;
        }
        if (near) return true;
      }
    }
    return false;
  }

 private:
  std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> pixels_{nullptr, &stbi_image_free};
  int width_ = 0;
  int height_ = 0;
};

// Each test has a browser of its own on a fresh profile, and the page served from this machine;
// each runs in every engine.
class WebWindowTest : public ::testing::TestWithParam<Engine> {
 protected:
  void SetUp() override { ASSERT_TRUE(page.Open()); }

  // Chromium's own protocol, for what only it can tell; null in the other engines.
  Chromium* chromium() const { return dynamic_cast<Chromium*>(browser.get()); }
  // Says in the test's output, and in its XML, what this engine's driver cannot do and what was
  // checked in its place.
  void NotHere(const std::string& what, const std::string& instead) {
    std::cout << "[ NOT HERE ] " << what << "; " << instead << std::endl;
    RecordProperty("not_here", what + "; " + instead);
  }

  StaticServer server{WebDist()};
  std::unique_ptr<Browser> browser = Launch(GetParam());
  WebDriver page{*browser, server.Url("")};
};

std::string EngineName(const ::testing::TestParamInfo<Engine>& info) { return NameOf(info.param); }

INSTANTIATE_TEST_SUITE_P(Engines, WebWindowTest,
                         ::testing::Values(Engine::Chromium, Engine::WebKit, Engine::Firefox),
                         EngineName);

TEST_P(WebWindowTest, OpensWithTheStatementFocusedNothingPickedAndTheDesignedCaption) {
  const model::Screen seen = page.Seen();
  EXPECT_EQ(seen.text, design::kExerciseStatement);
  EXPECT_EQ(seen.focus, model::kFocusOutput);
  EXPECT_EQ(seen.checkedEra, std::nullopt);
  EXPECT_EQ(seen.selectedRow, -1);
  EXPECT_EQ(browser->Evaluate("document.title"), kCaption);
  EXPECT_EQ(browser->Evaluate("document.documentElement.lang"), "bg");
  EXPECT_EQ(browser->Evaluate("fetch(document.querySelector('link[rel=icon]').href)"
                              ".then((r) => r.headers.get('content-type'))"),
            "image/png");
  // The page links its manifest and home-screen icon once it is bound.
  browser->AwaitTrue("document.querySelector('link[rel=manifest]') != null");
  EXPECT_EQ(browser->Evaluate("fetch(document.querySelector('link[rel=apple-touch-icon]').href)"
                              ".then((r) => r.headers.get('content-type'))"),
            "image/png");
  Json app;
  if (chromium()) {
    // What the browser makes of the manifest, as it installs the page.
    const Json manifest = chromium()->Page("Page.getAppManifest");
    EXPECT_EQ(manifest["errors"], Json::array());
    app = Json::parse(manifest["data"].get<std::string>());
  } else {
    NotHere(NameOf(GetParam()) + "'s driver does not say how it reads a manifest",
            "the manifest the page names is read as served");
    app = browser->Evaluate(
        "fetch(document.querySelector('link[rel=manifest]').href).then((r) => r.json())");
  }
  EXPECT_EQ(app["name"], "Биология - ера и период");
  EXPECT_EQ(app["lang"], "bg");
  EXPECT_EQ(app["display"], "standalone");
  EXPECT_EQ(app["icons"].size(), 2u);
  ASSERT_EQ(app["shortcuts"].size(), 1u);
  EXPECT_EQ(app["shortcuts"][0]["name"], "Самопроверка - ера и период");
  EXPECT_EQ(app["shortcuts"][0]["url"], "self-check.html");
}

TEST_P(WebWindowTest, ControlsArePlacedAndPaintedAsDesigned) {
  browser->AwaitTrue("document.fonts.status == 'loaded'");
  const Box window = page.Bounds("Tarvinel");
  EXPECT_EQ(window.width, 461);
  EXPECT_EQ(window.height, 345);
  const Screenshot shot(*browser);
  EXPECT_EQ(shot.At(window.left + 2, window.top + 100), 0xC0C0FFu);
  for (const expected::Placed& control : expected::kDesign) {
    SCOPED_TRACE(control.name);
    const Box box = page.Bounds(control.name);
    const bool inFrame = std::string_view(control.name).starts_with("Option1_");
    const Box parent = inFrame ? page.Bounds("Frame1") : window;
    EXPECT_EQ(box.left - parent.left, control.left / 15);
    EXPECT_EQ(box.top - parent.top, control.top / 15);
    EXPECT_EQ(box.width, control.width / 15);
    EXPECT_EQ(box.height, control.height / 15);
    // A spot of each control that no caption, row text, frame line or glyph covers.
    double x = box.left + (inFrame ? box.width - 6 : 2);
    double y = box.top + box.height / 2;
    if (std::string_view(control.name) == "List1_0") x = box.left + 120;
    if (std::string_view(control.name) == "Frame1") y = box.top + box.height - 6, x += 3;
    EXPECT_EQ(shot.At(x, y), control.background ? control.background : 0xFFFFFFu);
  }
  EXPECT_GE(page.Bounds("Link1").top, window.top + window.height) << "the link is on the window";
  // Captions in white on the two darkest eras, in black on the others.
  for (int era = 0; era < 6; ++era) {
    const Box caption = Box{page.Bounds("Option1_" + std::to_string(era)).left + 20,
                            page.Bounds("Option1_" + std::to_string(era)).top + 2, 100, 16};
    const bool white = expected::kDesign[7 - era].text == expected::kWhite;
    EXPECT_TRUE(shot.Holds(caption, white ? 0xFFFFFFu : 0x000000u, 40)) << "era " << era;
    EXPECT_FALSE(shot.Holds(caption, white ? 0x000000u : 0xFFFFFFu, 40)) << "era " << era;
  }
}

// The list, reached by Tab before any pick, frames its first row: the row its keys start from.
// After the designed stops comes the link to the self-check.
TEST_P(WebWindowTest, TabAndShiftTabVisitEveryStopInTheDesignedOrder) {
  const int order[] = {0, 1, 2, model::kFocusList, 3, 4, 5, model::kFocusLink, model::kFocusOutput};
  for (const int stop : order) {
    page.Key(model::Key::Tab);
    EXPECT_EQ(page.Seen().focus, stop);
    if (stop != model::kFocusList) continue;
    if (GetParam() == Engine::Firefox) {
      NotHere("the list's focus frame: headless Firefox never gives its page the focus",
              "the focus order only");
      continue;
    }
    EXPECT_EQ(browser->Evaluate("['List1_0-0', 'List1_0-1'].map((id) =>"
                                " getComputedStyle(document.getElementById(id)).outlineStyle)"),
              Json({"dotted", "none"}));
  }
  for (int at = 7; at >= -1; --at) {
    page.Key(model::Key::Backtab);
    EXPECT_EQ(page.Seen().focus, at < 0 ? order[8] : order[at]);
  }
  // Shift+Tab as WebKitGTK on X11 reports it, the key unidentified and its code Tab, in an
  // engine that lets the test say so.
  if (chromium()) {
    for (int at = 7; at >= -1; --at) {
      chromium()->PressKey("Unidentified", "Tab", 9, kShift);
      EXPECT_EQ(page.Seen().focus, at < 0 ? order[8] : order[at]);
    }
  }
}

TEST_P(WebWindowTest, TypingACyrillicLetterPicksThePeriodThatStartsWithIt) {
  page.ClickRow(0);
  browser->Press("ю");
  EXPECT_EQ(page.SelectedRow(), 21);
  EXPECT_EQ(page.Seen().text, expected::PeriodReport(21));
  EXPECT_EQ(page.CheckedEra(), 0);
}

TEST_P(WebWindowTest, TheBoxIsReadOnlyAndItsTextCanBeSelected) {
  browser->Press("x");
  browser->Press("Delete");
  EXPECT_EQ(page.Seen().text, design::kExerciseStatement);
  browser->Press("a", kCtrl);
  EXPECT_EQ(browser->Evaluate("(() => { const box = document.getElementById('Text1_0');"
                              " return box.selectionEnd - box.selectionStart == box.value.length"
                              " && box.readOnly; })()"),
            true);
}

// Each report is shown from its first line, with the caret there, however far the box had been
// scrolled through the text before it: the statement, then a report.
TEST_P(WebWindowTest, AReportIsShownFromItsStartWhereverTheBoxWasScrolled) {
  const std::string box = "document.getElementById('Text1_0')";
  for (const int era : {4, 5}) {
    const Box shown = page.Bounds("Text1_0");
    browser->Click(shown.left + 20, shown.top + 10);
    for (int step = 0; step < 4; ++step) browser->Press("PageDown");
    browser->AwaitTrue(box + ".scrollTop > 0 && " + box + ".scrollTop + " + box +
                       ".clientHeight >= " + box + ".scrollHeight - 1");
    page.ClickEra(era);
    ASSERT_EQ(page.Seen().text, expected::kEraReports[era]);
    EXPECT_EQ(browser->Evaluate("(() => { const box = " + box +
                                "; return box.scrollHeight > box.clientHeight; })()"),
              true)
        << "a report this short cannot show the box scrolled";
    EXPECT_EQ(browser->Evaluate("(() => { const box = " + box +
                                "; return [box.scrollTop, box.selectionStart, box.selectionEnd];"
                                " })()"),
              Json({0, 0, 0}));
  }
}

// Phones and tablets, either way up, in CSS pixels.
struct Profile {
  const char* name;
  int width;
  int height;
};
constexpr Profile kProfiles[] = {{"phone 320 x 568", 320, 568},
                                 {"phone 360 x 640", 360, 640},
                                 {"phone 390 x 844", 390, 844},
                                 {"phone on its side 640 x 360", 640, 360},
                                 {"phone on its side 844 x 390", 844, 390},
                                 {"tablet 768 x 1024", 768, 1024},
                                 {"tablet on its side 1024 x 768", 1024, 768}};

bool Overlap(const Box& a, const Box& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}
bool Inside(const Box& inner, const Box& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width + 0.5 &&
         inner.top + inner.height <= outer.top + outer.height + 0.5;
}

// What a finger meets on each phone and tablet: targets of at least 44 by 44 pixels, each
// reached by a tap at its centre; the box's text at 16 pixels; no control over another and no
// sideways scrolling; and after a tap, the whole report in the box, the box in view with the
// page where it was.
TEST_P(WebWindowTest, PhonesAndTabletsGetFingerSizedTargetsAndTheWholeAnswerInView) {
  using design::touch::kTarget;
  bool touch = true;
  try {
    browser->Resize(kProfiles[0].width, kProfiles[0].height, true);
  } catch (const Unsupported& unsupported) {
    NotHere(unsupported.what(), "the upright phones as windows of their size, picked by mouse");
    touch = false;
  }
  page.UseTouch(touch);
  WebDriver selfCheck(*browser, server.Url("self-check.html"));
  for (const Profile& profile : kProfiles) {
    SCOPED_TRACE(profile.name);
    if (!touch && profile.width >= design::touch::kDesignedWidth) continue;
    browser->Resize(profile.width, profile.height, touch);
    ASSERT_TRUE(page.Open());
    EXPECT_EQ(browser->Evaluate("[innerWidth, innerHeight]"),
              Json::array({profile.width, profile.height}));
    // A target at least a fingertip wide and high; and what a tap at its centre reaches.
    const auto target = [&](const std::string& id) {
      const Box box = page.Bounds(id);
      EXPECT_GE(box.width, kTarget) << id;
      EXPECT_GE(box.height, kTarget) << id;
      return box;
    };
    const auto reachedAtCentre = [&](const Box& box) {
      return browser->Evaluate("document.elementFromPoint(" + std::to_string(box.CentreX()) + ", " +
                               std::to_string(box.CentreY()) + ").closest('.era, .row').id");
    };
    const Box frame = page.Bounds("Frame1");
    for (int era = 0; era < 6; ++era) {
      const std::string id = "Option1_" + std::to_string(era);
      const Box box = target(id);
      EXPECT_TRUE(Inside(box, frame)) << id;
      EXPECT_EQ(reachedAtCentre(box), id);
    }
    const Box list = page.Bounds("List1_0");
    for (int row = 0; row < 22; ++row) {
      const std::string id = "List1_0-" + std::to_string(row);
      const Box box = target(id);
      if (Inside(box, list)) {
        EXPECT_EQ(reachedAtCentre(box), id);
      }
    }
    target("Link1");
    const std::string regions[] = {"Label1_0", "Link1", "Frame1", "Label1_1", "List1_0", "Text1_0"};
    for (std::size_t a = 0; a < std::size(regions); ++a) {
      for (std::size_t b = a + 1; b < std::size(regions); ++b) {
        EXPECT_FALSE(Overlap(page.Bounds(regions[a]), page.Bounds(regions[b])))
            << regions[a] << " over " << regions[b];
      }
    }
    EXPECT_GE(browser->Evaluate("parseFloat(getComputedStyle(document.getElementById('Text1_0'))"
                                ".fontSize)"),
              design::touch::kBoxTextSize);
    EXPECT_EQ(browser->Evaluate("document.scrollingElement.scrollWidth <= innerWidth"), true);
    // Pinch zoom stays the reader's.
    EXPECT_EQ(browser->Evaluate("/user-scalable|maximum-scale/.test(document.querySelector("
                                "'meta[name=viewport]').content)"),
              false);

    const auto answerInView = [&] {
      const Box box = page.Bounds("Text1_0");
      EXPECT_GE(box.top, 0);
      EXPECT_LE(box.top + box.height, profile.height);
      EXPECT_EQ(browser->Evaluate("scrollX == 0 && scrollY == 0"), true);
      EXPECT_EQ(browser->Evaluate("(() => { const box = document.getElementById('Text1_0');"
                                  " return box.scrollHeight <= box.clientHeight; })()"),
                true);
    };
    for (int era = 0; era < 6; ++era) {
      page.ClickEra(era);
      EXPECT_EQ(page.Seen().text, expected::kEraReports[era]);
      answerInView();
    }
    // A row below the list's end, brought into view by a finger where the engine lets one drag.
    try {
      browser->Swipe(list.CentreX(), list.top + list.height - 10, -(list.height - 20));
      // Once the list has come to rest: a tap while it still glides only stops it.
      EXPECT_GT(browser->Evaluate(R"((new Promise((resolve) => {
        const list = document.getElementById("List1_0");
        let last = -1;
        const settled = () => {
          if (list.scrollTop == last) return resolve(list.scrollTop);
          last = list.scrollTop;
          setTimeout(settled, 100);
        };
        settled();
      })))"),
                0);
    } catch (const Unsupported& unsupported) {
      NotHere(unsupported.what(), "the list scrolled by the page's own code before a tap");
    }
    page.ClickRow(13);
    EXPECT_EQ(page.Seen().text, expected::PeriodReport(13));
    EXPECT_EQ(page.CheckedEra(), 4);
    EXPECT_TRUE(Inside(page.Bounds("List1_0-13"), page.Bounds("List1_0")));
    answerInView();
    page.Key(model::Key::End);
    EXPECT_EQ(page.SelectedRow(), 21);
    EXPECT_TRUE(Inside(page.Bounds("List1_0-21"), page.Bounds("List1_0")));
    answerInView();

    // The self-check: each verdict with the question after it, too few answers to end the round.
    selfCheck.UseTouch(touch);
    ASSERT_TRUE(selfCheck.Open());
    answerInView();
    for (int era = 0; era < 6; ++era) {
      selfCheck.ClickEra(era);
      answerInView();
    }
    for (const int row : {0, 9, 21}) {
      selfCheck.ClickRow(row);
      answerInView();
    }
  }
}

// What a screen reader is given: the controls' names, each era's and row's age, and each report
// in a polite live region, again when the same report is written again.
TEST_P(WebWindowTest, ScreenReadersGetNamesAgesAndEveryReport) {
  if (chromium()) {
    chromium()->Page("Accessibility.enable");
    const auto find = [](const Json& nodes, const std::string& role, const std::string& name) {
      for (const Json& node : nodes) {
        if (node.value("ignored", false)) continue;
        if (node["role"]["value"] == role && node["name"]["value"] == name) return node;
      }
      return Json();
    };
    const Json nodes = chromium()->Page("Accessibility.getFullAXTree")["nodes"];
    EXPECT_FALSE(find(nodes, "radiogroup", "Име на ера").is_null());
    EXPECT_FALSE(find(nodes, "listbox", "Име на период").is_null());
    EXPECT_FALSE(find(nodes, "textbox", "Резултат").is_null());
    const Json heading = find(nodes, "heading", "Биология - ера и период");
    ASSERT_FALSE(heading.is_null());
    EXPECT_TRUE(std::any_of(heading["properties"].begin(), heading["properties"].end(),
                            [](const Json& property) {
                              return property["name"] == "level" && property["value"]["value"] == 1;
                            }))
        << heading.dump();
    const Json era = find(nodes, "radio", "Палеозой");
    ASSERT_FALSE(era.is_null());
    EXPECT_EQ(era["description"]["value"], "Палеозой: от 538,8 до 251,902 млн. години");
    const Json row = find(nodes, "option", "Кватернер");
    ASSERT_FALSE(row.is_null());
    EXPECT_EQ(row["description"]["value"], "Кватернер: от 2,58 млн. години до днес");
  } else {
    NotHere(NameOf(GetParam()) + "'s driver reads no accessibility tree",
            "the live regions are read from the page; names and ages are heard in Chromium "
            "and through Orca");
  }

  const std::string spoken =
      "Посочена ера: Палеозой\nОт тази ера са и периодите: \nДевон\nКамбрий\nКарбон\nОрдовик\n"
      "Перм\nСилур";
  const auto statusHolding = [&](const std::string& id) {
    return "document.getElementById('" + id + "').textContent == " + Json(spoken).dump() +
           " && document.getElementById('" + id + "').getAttribute('role') == 'status'";
  };
  page.ClickEra(4);
  browser->AwaitTrue(statusHolding("Announce_0"));
  page.ClickEra(4);
  browser->AwaitTrue(statusHolding("Announce_1"));
  EXPECT_EQ(browser->Evaluate("document.getElementById('Announce_0').textContent"), "");
}

TEST_P(WebWindowTest, LoadsNothingFromAnyOtherHostAndAllowsOnlyItsOwnOrigin) {
  page.ClickEra(0);
  const std::vector<std::string> urls = browser->Requests();
  EXPECT_GE(urls.size(), 4u);
  for (const std::string& url : urls) EXPECT_TRUE(url.starts_with(server.Url(""))) << url;
  // Only directives that every engine knows: WebKit logs an error for each one it does not.
  EXPECT_EQ(browser->Evaluate("document.querySelector('meta[http-equiv=Content-Security-Policy]')"
                              ".content"),
            "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
            "img-src 'self'; font-src 'self'; connect-src 'self'; worker-src 'self'; "
            "object-src 'none'; base-uri 'none'; form-action 'none'");
}

// The page's own downloads, as its resource timing lists them: the module comes inside its script,
// so one download of the script is the whole of it. The service worker then keeps its own copy
// for the offline cache; the server's count includes it.
TEST_P(WebWindowTest, TheFirstVisitDownloadsTheModuleOnce) {
  const auto count = [&](const std::string& which) {
    return browser->Evaluate("performance.getEntriesByType('resource').filter((e) => " + which +
                             ").length");
  };
  EXPECT_EQ(count("new URL(e.name).pathname == '/tarvinel.js'"), 1);
  EXPECT_EQ(count("/\\.wasm$/.test(new URL(e.name).pathname)"), 0);
  ASSERT_EQ(browser->Evaluate("navigator.serviceWorker.ready.then(() => true)"), true);
  const std::vector<std::string> served = server.Served();
  std::cout << "tarvinel.js: the page fetched it once; the server sent it "
            << std::count(served.begin(), served.end(), "/tarvinel.js")
            << " times, with the service worker's copy" << std::endl;
}

TEST_P(WebWindowTest, TheConsoleStaysCleanThroughLoadAndUse) {
  page.ClickEra(4);
  page.ClickRow(13);
  page.Key(model::Key::Tab);
  EXPECT_EQ(browser->ConsoleProblems(server.Url("")), std::vector<std::string>());
}

TEST_P(WebWindowTest, OpensAndAnswersWithNoNetworkAfterOneVisit) {
  ASSERT_EQ(browser->Evaluate("navigator.serviceWorker.ready.then(() => "
                              "navigator.serviceWorker.controller ? true : new Promise((r) => "
                              "navigator.serviceWorker.addEventListener('controllerchange', "
                              "() => r(true))))"),
            true);
  EXPECT_EQ(browser->Evaluate("caches.keys().then((k) => k.length == 1 && "
                              "/^tarvinel-[0-9a-f]{16}$/.test(k[0]))"),
            true);
  server.Stop();
  if (chromium()) {
    chromium()->Page(
        "Network.emulateNetworkConditions",
        {{"offline", true}, {"latency", 0}, {"downloadThroughput", -1}, {"uploadThroughput", -1}});
  }
  ASSERT_TRUE(page.Open());
  page.ClickRow(13);
  EXPECT_EQ(page.Seen().text, expected::PeriodReport(13));
  EXPECT_EQ(page.CheckedEra(), 4);
  WebDriver selfCheck(*browser, server.Url("self-check.html"));
  ASSERT_TRUE(selfCheck.Open());
  EXPECT_EQ(browser->Evaluate("document.title"),
            "https://tarvinel.example.org Самопроверка - ера и период");
  EXPECT_EQ(browser->Evaluate("document.querySelector('h1').textContent"),
            "Самопроверка - ера и период");
  EXPECT_TRUE(selfCheck.Seen().text.starts_with(
      "Самопроверка: десет въпроса за ерите и периодите.\r\n"
      "Отговаряйте с бутоните на ерите или със списъка на периодите.\r\n\r\nВъпрос 1 от 10: "))
      << selfCheck.Seen().text;
}

// A page that lacks a control the module binds is not the module's: it stays unbound, and says
// which controls it lacks, rather than looking alive while answering nothing.
TEST(WebPageCheck, APageWithoutAControlSaysSoAndStaysUnbound) {
  struct Folder {
    std::filesystem::path path;
    ~Folder() { std::filesystem::remove_all(path); }
  } const folder{std::filesystem::temp_directory_path() /
                 ("tarvinel-web-lacking-" + std::to_string(getpid()))};
  std::filesystem::copy(WebDist(), folder.path, std::filesystem::copy_options::recursive);
  std::string page;
  {
    std::ifstream in(folder.path / "index.html");
    for (std::string line; std::getline(in, line);) {
      if (line.find("id=\"Option1_3\"") == std::string::npos &&
          line.find("id=\"List1_0-7\"") == std::string::npos) {
        page += line + "\n";
      }
    }
  }
  std::ofstream(folder.path / "index.html") << page;
  {
    StaticServer server(folder.path);
    Chromium browser;
    browser.Navigate(server.Url(""));
    browser.AwaitTrue("performance.getEntriesByName('" + server.Url("tarvinel.js") +
                      "').length == 1");
    browser.AwaitTrue("document.readyState == 'complete'");
    EXPECT_EQ(browser.Evaluate("document.getElementById('Tarvinel').hasAttribute('data-ready')"),
              false);
    const std::vector<std::string> problems = browser.ConsoleProblems(server.Url(""));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("tarvinel: cannot bind Option1_3 List1_0-7"), std::string::npos)
        << problems[0];
  }
}

// A long walk of random mouse clicks and keys, compared with the model at every step.
class WebRandomWalk : public ::testing::TestWithParam<Engine> {};

TEST_P(WebRandomWalk, MatchesTheModelAtEveryStep) {
  StaticServer server(WebDist());
  const std::unique_ptr<Browser> browser = Launch(GetParam());
  WebDriver driver(*browser, server.Url(""));
  model::ModelCheck check(driver, {.pageLink = true});
  const int steps = GetParam() == Engine::Chromium ? 3000 : 1000;
  const std::string failure = model::RandomWalk(check, 20261209u, steps);
  EXPECT_TRUE(failure.empty()) << failure;
}

// The same walk with a finger on an upright phone: taps for clicks where no key is held.
TEST(WebTouchWalk, TapsOnAPhoneMatchTheModelAtEveryStep) {
  StaticServer server(WebDist());
  Chromium browser;
  browser.Resize(360, 640, true);
  WebDriver driver(browser, server.Url(""));
  driver.UseTouch(true);
  model::ModelCheck check(driver, {.pageLink = true});
  const std::string failure = model::RandomWalk(check, 20261210u, 1000);
  EXPECT_TRUE(failure.empty()) << failure;
}

// The self-check's page through rounds: in Chromium on an upright phone, tapped, elsewhere
// clicked; Space and Enter answer too.
class WebSelfCheckWalk : public ::testing::TestWithParam<Engine> {};

TEST_P(WebSelfCheckWalk, MatchesTheModelAtEveryStep) {
  StaticServer server(WebDist());
  const std::unique_ptr<Browser> browser = Launch(GetParam());
  const bool phone = GetParam() == Engine::Chromium;
  if (phone) browser->Resize(360, 640, true);
  WebDriver driver(*browser, server.Url("self-check.html"));
  driver.UseTouch(phone);
  model::ModelCheck check(driver, {.selfCheck = true, .pageLink = true});
  const std::string failure = model::RandomWalk(check, 20261211u, phone ? 1000 : 400);
  EXPECT_TRUE(failure.empty()) << failure;
}

INSTANTIATE_TEST_SUITE_P(Engines, WebRandomWalk,
                         ::testing::Values(Engine::Chromium, Engine::WebKit, Engine::Firefox),
                         EngineName);
INSTANTIATE_TEST_SUITE_P(Engines, WebSelfCheckWalk,
                         ::testing::Values(Engine::Chromium, Engine::WebKit, Engine::Firefox),
                         EngineName);

}  // namespace
}  // namespace tarvinel::testing
