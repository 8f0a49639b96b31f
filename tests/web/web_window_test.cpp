#define STB_IMAGE_IMPLEMENTATION
#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <memory>
#include <optional>
#include <string_view>

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
  explicit Screenshot(Chromium& browser) {
    const std::string png = Decoded(browser.Page("Page.captureScreenshot")["data"]);
    int channels = 0;
    pixels_.reset(stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(png.data()),
                                        static_cast<int>(png.size()), &width_, &height_, &channels,
                                        3));
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
  static std::string Decoded(const std::string& base64) {
    std::string bytes;
    int bits = 0;
    unsigned value = 0;
    for (const char c : base64) {
      const auto at =
          std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
              .find(c);
      if (at == std::string_view::npos) continue;
      value = (value << 6) | static_cast<unsigned>(at);
      bits += 6;
      if (bits >= 8) {
        bits -= 8;
        bytes += static_cast<char>((value >> bits) & 0xFF);
      }
    }
    return bytes;
  }

  std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> pixels_{nullptr, &stbi_image_free};
  int width_ = 0;
  int height_ = 0;
};

// Each test has a browser of its own on a fresh profile, and the page served from this machine.
class WebWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(page.Open()); }

  std::vector<std::string> Requests() const {
    std::vector<std::string> urls;
    for (const Json& event : browser.Events()) {
      if (event["method"] == "Network.requestWillBeSent") {
        urls.push_back(event["params"]["request"]["url"]);
      }
    }
    return urls;
  }

  StaticServer server{WebDist()};
  Chromium browser;
  WebDriver page{browser, server.Url("")};
};

TEST_F(WebWindowTest, OpensWithTheStatementFocusedNothingPickedAndTheDesignedCaption) {
  const model::Screen seen = page.Seen();
  EXPECT_EQ(seen.text, design::kExerciseStatement);
  EXPECT_EQ(seen.focus, model::kFocusOutput);
  EXPECT_EQ(seen.checkedEra, std::nullopt);
  EXPECT_EQ(seen.selectedRow, -1);
  EXPECT_EQ(browser.Evaluate("document.title"), kCaption);
  EXPECT_EQ(browser.Evaluate("document.documentElement.lang"), "bg");
  EXPECT_EQ(browser.Evaluate("fetch(document.querySelector('link[rel=icon]').href)"
                             ".then((r) => r.headers.get('content-type'))"),
            "image/png");
  // What the browser makes of the manifest, as it installs the page.
  const Json manifest = browser.Page("Page.getAppManifest");
  EXPECT_EQ(manifest["errors"], Json::array());
  const Json app = Json::parse(manifest["data"].get<std::string>());
  EXPECT_EQ(app["name"], "Биология - ера и период");
  EXPECT_EQ(app["lang"], "bg");
  EXPECT_EQ(app["display"], "standalone");
  EXPECT_EQ(app["icons"].size(), 2u);
}

TEST_F(WebWindowTest, ControlsArePlacedAndPaintedAsDesigned) {
  browser.AwaitTrue("document.fonts.status == 'loaded'");
  const Box window = page.Bounds("Tarvinel");
  EXPECT_EQ(window.width, 461);
  EXPECT_EQ(window.height, 345);
  const Screenshot shot(browser);
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
  // Captions in white on the two darkest eras, in black on the others.
  for (int era = 0; era < 6; ++era) {
    const Box caption = Box{page.Bounds("Option1_" + std::to_string(era)).left + 20,
                            page.Bounds("Option1_" + std::to_string(era)).top + 2, 100, 16};
    const bool white = expected::kDesign[7 - era].text == expected::kWhite;
    EXPECT_TRUE(shot.Holds(caption, white ? 0xFFFFFFu : 0x000000u, 40)) << "era " << era;
    EXPECT_FALSE(shot.Holds(caption, white ? 0x000000u : 0xFFFFFFu, 40)) << "era " << era;
  }
}

TEST_F(WebWindowTest, TabAndShiftTabVisitEveryStopInTheDesignedOrder) {
  const int order[] = {0, 1, 2, model::kFocusList, 3, 4, 5, model::kFocusOutput};
  for (const int stop : order) {
    page.Key(model::Key::Tab);
    EXPECT_EQ(page.Seen().focus, stop);
  }
  for (int at = 6; at >= -1; --at) {
    page.Key(model::Key::Backtab);
    EXPECT_EQ(page.Seen().focus, at < 0 ? order[7] : order[at]);
  }
  // Shift+Tab as WebKitGTK reports it: the key unidentified, its code Tab.
  for (int at = 6; at >= -1; --at) {
    browser.PressKey("Unidentified", "Tab", 9, 8);
    EXPECT_EQ(page.Seen().focus, at < 0 ? order[7] : order[at]);
  }
}

TEST_F(WebWindowTest, TypingACyrillicLetterPicksThePeriodThatStartsWithIt) {
  page.ClickRow(0);
  browser.PressKey("ю", "Period", 190, 0, "ю");
  EXPECT_EQ(page.SelectedRow(), 21);
  EXPECT_EQ(page.Seen().text, expected::PeriodReport(21));
  EXPECT_EQ(page.CheckedEra(), 0);
}

TEST_F(WebWindowTest, TheBoxIsReadOnlyAndItsTextCanBeSelected) {
  browser.PressKey("x", "KeyX", 88, 0, "x");
  browser.PressKey("Delete", "Delete", 46);
  EXPECT_EQ(page.Seen().text, design::kExerciseStatement);
  browser.PressKey("a", "KeyA", 65, 2);
  EXPECT_EQ(browser.Evaluate("(() => { const box = document.getElementById('Text1_0');"
                             " return box.selectionEnd - box.selectionStart == box.value.length"
                             " && box.readOnly; })()"),
            true);
}

TEST_F(WebWindowTest, FitsAPhoneHeldUprightAndATapPicks) {
  browser.Page("Emulation.setDeviceMetricsOverride",
               {{"width", 360}, {"height", 640}, {"deviceScaleFactor", 2}, {"mobile", true}});
  browser.Page("Emulation.setTouchEmulationEnabled", {{"enabled", true}});
  ASSERT_TRUE(page.Open());
  const Box window = page.Bounds("Tarvinel");
  EXPECT_NEAR(window.width, 360, 1);
  EXPECT_NEAR(window.height, 345 * 360.0 / 461, 1);
  EXPECT_EQ(browser.Evaluate("document.scrollingElement.scrollWidth <= innerWidth"), true);
  const Box era = page.Bounds("Option1_4");
  browser.Tap(era.left + 30, era.CentreY());
  EXPECT_EQ(page.Seen().text, expected::kEraReports[4]);
  const Box row = page.Bounds("List1_0-1");
  browser.Tap(row.left + 20, row.CentreY());
  EXPECT_EQ(page.Seen().text, expected::PeriodReport(1));
  EXPECT_EQ(page.CheckedEra(), 3);
}

// What a screen reader is given: the controls' names, each era's and row's age, and each report
// in a polite live region, again when the same report is written again.
TEST_F(WebWindowTest, ScreenReadersGetNamesAgesAndEveryReport) {
  browser.Page("Accessibility.enable");
  const auto tree = [&] { return browser.Page("Accessibility.getFullAXTree")["nodes"]; };
  const auto find = [](const Json& nodes, const std::string& role, const std::string& name) {
    for (const Json& node : nodes) {
      if (node.value("ignored", false)) continue;
      if (node["role"]["value"] == role && node["name"]["value"] == name) return node;
    }
    return Json();
  };
  const Json nodes = tree();
  EXPECT_FALSE(find(nodes, "radiogroup", "Име на ера").is_null());
  EXPECT_FALSE(find(nodes, "listbox", "Име на период").is_null());
  EXPECT_FALSE(find(nodes, "textbox", "Резултат").is_null());
  const Json era = find(nodes, "radio", "Палеозой");
  ASSERT_FALSE(era.is_null());
  EXPECT_EQ(era["description"]["value"], "Палеозой: от 538,8 до 251,902 млн. години");
  const Json row = find(nodes, "option", "Кватернер");
  ASSERT_FALSE(row.is_null());
  EXPECT_EQ(row["description"]["value"], "Кватернер: от 2,58 млн. години до днес");

  const std::string spoken =
      "Посочена ера: Палеозой\nОт тази ера са и периодите: \nДевон\nКамбрий\nКарбон\nОрдовик\n"
      "Перм\nСилур";
  const auto statusHolding = [&](const std::string& id) {
    return "document.getElementById('" + id + "').textContent == " + Json(spoken).dump() +
           " && document.getElementById('" + id + "').getAttribute('role') == 'status'";
  };
  page.ClickEra(4);
  browser.AwaitTrue(statusHolding("Announce_0"));
  page.ClickEra(4);
  browser.AwaitTrue(statusHolding("Announce_1"));
  EXPECT_EQ(browser.Evaluate("document.getElementById('Announce_0').textContent"), "");
}

TEST_F(WebWindowTest, LoadsNothingFromAnyOtherHostAndAllowsOnlyItsOwnOrigin) {
  browser.Page("Network.enable");
  ASSERT_TRUE(page.Open());
  page.ClickEra(0);
  const std::vector<std::string> urls = Requests();
  EXPECT_GE(urls.size(), 4u);
  for (const std::string& url : urls) EXPECT_TRUE(url.starts_with(server.Url(""))) << url;
  // Only directives that every engine knows: WebKit logs an error for each one it does not.
  EXPECT_EQ(browser.Evaluate("document.querySelector('meta[http-equiv=Content-Security-Policy]')"
                             ".content"),
            "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
            "img-src 'self'; font-src 'self'; connect-src 'self'; worker-src 'self'; "
            "object-src 'none'; base-uri 'none'; form-action 'none'");
}

TEST_F(WebWindowTest, OpensAndAnswersWithNoNetworkAfterOneVisit) {
  ASSERT_EQ(browser.Evaluate("navigator.serviceWorker.ready.then(() => "
                             "navigator.serviceWorker.controller ? true : new Promise((r) => "
                             "navigator.serviceWorker.addEventListener('controllerchange', "
                             "() => r(true))))"),
            true);
  EXPECT_EQ(browser.Evaluate("caches.keys().then((k) => k.length == 1 && /^tarvinel-[0-9a-f]{16}$/"
                             ".test(k[0]))"),
            true);
  server.Stop();
  browser.Page("Network.enable");
  browser.Page(
      "Network.emulateNetworkConditions",
      {{"offline", true}, {"latency", 0}, {"downloadThroughput", -1}, {"uploadThroughput", -1}});
  ASSERT_TRUE(page.Open());
  page.ClickRow(13);
  EXPECT_EQ(page.Seen().text, expected::PeriodReport(13));
  EXPECT_EQ(page.CheckedEra(), 4);
}

// A long walk of random mouse clicks and keys, compared with the model at every step.
TEST(WebRandomWalk, MatchesTheModelAtEveryStep) {
  StaticServer server(WebDist());
  Chromium browser;
  WebDriver driver(browser, server.Url(""));
  model::ModelCheck check(driver, model::Rules{});
  const std::string failure = model::RandomWalk(check, 20261209u, 3000);
  EXPECT_TRUE(failure.empty()) << failure;
}

}  // namespace
}  // namespace tarvinel::testing
