#include "chromium.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string_view>
#include <thread>
#include <vector>

namespace tarvinel::testing {
namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

Chromium::Chromium() {
  char profile[] = "/tmp/tarvinel-chromium-XXXXXX";
  Check(mkdtemp(profile) != nullptr, "cannot make a profile folder");
  profile_ = profile;
  int in[2];
  int out[2];
  Check(pipe(in) == 0 && pipe(out) == 0, "cannot make pipes");
  pid_ = fork();
  Check(pid_ >= 0, "cannot start chromium");
  if (pid_ == 0) {
    // The browser reads commands on 3 and writes on 4.
    dup2(in[0], 3);
    dup2(out[1], 4);
    for (int fd : {in[0], in[1], out[0], out[1]}) {
      if (fd > 4) close(fd);
    }
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 2);
    const std::string userData = "--user-data-dir=" + profile_.string();
    std::vector<const char*> arguments = {
        "chromium",
        "--headless",
        "--remote-debugging-pipe",
        "--no-sandbox",
        "--disable-gpu",
        "--no-first-run",
        "--no-default-browser-check",
        "--disable-background-networking",
        "--disable-component-update",
        "--disable-sync",
        "--disable-quic",
        "--mute-audio",
        "--disable-features=Translate,MediaRouter,OptimizationHints",
        "--window-size=800,600",
        "--force-device-scale-factor=1",
        userData.c_str(),
        "about:blank",
        nullptr};
    execvp("chromium", const_cast<char* const*>(arguments.data()));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  toBrowser_ = in[1];
  fromBrowser_ = out[0];

  const Json targets = Send("Target.getTargets", Json::object());
  std::string target;
  for (const Json& info : targets["targetInfos"]) {
    if (info["type"] == "page") target = info["targetId"];
  }
  Check(!target.empty(), "chromium opened no page");
  session_ = Send("Target.attachToTarget", {{"targetId", target}, {"flatten", true}})["sessionId"];
  Page("Page.enable");
  Page("Runtime.enable");
  Page("Log.enable");
  Page("Network.enable");
  Page("Emulation.setFocusEmulationEnabled", {{"enabled", true}});
}

Chromium::~Chromium() {
  if (pid_ > 0) {
    const std::string close = R"({"id":0,"method":"Browser.close"})";
    if (write(toBrowser_, close.c_str(), close.size() + 1) < 0) kill(pid_, SIGTERM);
    Reap(pid_, std::chrono::seconds(10));
  }
  if (toBrowser_ >= 0) close(toBrowser_);
  if (fromBrowser_ >= 0) close(fromBrowser_);
  std::error_code ignored;
  std::filesystem::remove_all(profile_, ignored);
}

Json Chromium::Send(const std::string& method, Json params, const std::string& session) {
  const int id = nextId_++;
  Json message = {{"id", id}, {"method", method}, {"params", std::move(params)}};
  if (!session.empty()) message["sessionId"] = session;
  const std::string text = message.dump();
  const char* data = text.c_str();
  std::size_t left = text.size() + 1;  // the NUL that ends the message
  while (left > 0) {
    const ssize_t written = write(toBrowser_, data, left);
    Check(written > 0, "the browser's pipe closed while sending " + method);
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  const Json answer = Await(id);
  if (answer.contains("error")) throw std::runtime_error(method + ": " + answer["error"].dump());
  return answer["result"];
}

Json Chromium::Page(const std::string& method, Json params) {
  return Send(method, std::move(params), session_);
}

Json Chromium::Await(int id) {
  Json message;
  while (Read(message, std::chrono::seconds(60))) {
    if (message.contains("id") && message["id"] == id) return message;
    if (message.contains("method")) events_.push_back(std::move(message));
  }
  throw std::runtime_error("the browser did not answer command " + std::to_string(id));
}

bool Chromium::Read(Json& message, std::chrono::milliseconds limit) {
  const auto until = Clock::now() + limit;
  for (;;) {
    if (const auto end = buffer_.find('\0'); end != std::string::npos) {
      message = Json::parse(buffer_.substr(0, end));
      buffer_.erase(0, end + 1);
      return true;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
    if (left.count() <= 0) return false;
    pollfd ready{fromBrowser_, POLLIN, 0};
    if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) return false;
    char chunk[65536];
    const ssize_t got = read(fromBrowser_, chunk, sizeof chunk);
    Check(got > 0, "the browser closed its pipe");
    buffer_.append(chunk, static_cast<std::size_t>(got));
  }
}

Json Chromium::AwaitEvent(const std::function<bool(const Json&)>& wanted,
                          std::chrono::milliseconds limit) {
  for (const Json& event : events_) {
    if (wanted(event)) return event;
  }
  const auto until = Clock::now() + limit;
  Json message;
  while (
      Clock::now() < until &&
      Read(message, std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()))) {
    if (!message.contains("method")) continue;
    events_.push_back(message);
    if (wanted(message)) return message;
  }
  throw std::runtime_error("the awaited event did not come");
}

Json Chromium::Evaluate(const std::string& expression) {
  const Json result =
      Page("Runtime.evaluate",
           {{"expression", expression}, {"returnByValue", true}, {"awaitPromise", true}});
  if (result.contains("exceptionDetails")) {
    throw std::runtime_error("script failed: " + expression + ": " +
                             result["exceptionDetails"].dump());
  }
  return result["result"].value("value", Json());
}

void Chromium::Navigate(const std::string& url) {
  events_.clear();
  const Json started = Page("Page.navigate", {{"url", url}});
  Check(!started.contains("errorText"), url + ": " + started.value("errorText", ""));
  AwaitEvent([&](const Json& event) {
    return event["method"] == "Page.loadEventFired" && event.value("sessionId", "") == session_;
  });
}

void Chromium::Click(double x, double y, int modifiers) {
  Page("Input.dispatchMouseEvent", {{"type", "mouseMoved"}, {"x", x}, {"y", y}});
  for (const char* type : {"mousePressed", "mouseReleased"}) {
    Page("Input.dispatchMouseEvent", {{"type", type},
                                      {"x", x},
                                      {"y", y},
                                      {"button", "left"},
                                      {"buttons", std::string(type) == "mousePressed" ? 1 : 0},
                                      {"clickCount", 1},
                                      {"modifiers", modifiers}});
  }
}

void Chromium::Tap(double x, double y) {
  Page("Input.dispatchTouchEvent",
       {{"type", "touchStart"}, {"touchPoints", Json::array({{{"x", x}, {"y", y}}})}});
  Page("Input.dispatchTouchEvent", {{"type", "touchEnd"}, {"touchPoints", Json::array()}});
}

void Chromium::Swipe(double x, double y, double dy) {
  const auto touch = [&](const char* type, double at) {
    Page("Input.dispatchTouchEvent",
         {{"type", type}, {"touchPoints", Json::array({{{"x", x}, {"y", at}}})}});
  };
  constexpr int kSteps = 10;
  touch("touchStart", y);
  for (int step = 1; step <= kSteps; ++step) touch("touchMove", y + dy * step / kSteps);
  Page("Input.dispatchTouchEvent", {{"type", "touchEnd"}, {"touchPoints", Json::array()}});
}

void Chromium::PressKey(const std::string& key, const std::string& code, int keyCode, int modifiers,
                        const std::string& text) {
  Json down = {{"type", text.empty() ? "rawKeyDown" : "keyDown"},
               {"key", key},
               {"code", code},
               {"windowsVirtualKeyCode", keyCode},
               {"modifiers", modifiers}};
  if (!text.empty()) down["text"] = text;
  Page("Input.dispatchKeyEvent", down);
  Page("Input.dispatchKeyEvent", {{"type", "keyUp"},
                                  {"key", key},
                                  {"code", code},
                                  {"windowsVirtualKeyCode", keyCode},
                                  {"modifiers", modifiers}});
}

void Chromium::Press(const std::string& key, int modifiers) {
  struct Named {
    const char* key;
    const char* code;
    int keyCode;
  };
  static constexpr Named kNamed[] = {{"Tab", "Tab", 9},
                                     {"ArrowUp", "ArrowUp", 38},
                                     {"ArrowDown", "ArrowDown", 40},
                                     {"ArrowLeft", "ArrowLeft", 37},
                                     {"ArrowRight", "ArrowRight", 39},
                                     {"Home", "Home", 36},
                                     {"End", "End", 35},
                                     {"PageUp", "PageUp", 33},
                                     {"PageDown", "PageDown", 34},
                                     {"Delete", "Delete", 46},
                                     {"Enter", "Enter", 13}};
  for (const Named& named : kNamed) {
    if (key == named.key) return PressKey(key, named.code, named.keyCode, modifiers);
  }
  if (key == " ") return PressKey(key, "Space", 32, modifiers, key);
  // The Bulgarian phonetic layout's "ю" is on the full stop's key.
  if (key == "ю") return PressKey(key, "Period", 190, modifiers, key);
  Check(key.size() == 1 && std::isalpha(static_cast<unsigned char>(key[0])),
        "no key is named " + key);
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
  PressKey(key, std::string("Key") + upper, upper, modifiers, key);
}

std::string Chromium::Screenshot() {
  const std::string base64 = Page("Page.captureScreenshot")["data"];
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

void Chromium::Resize(int width, int height, bool touch) {
  Page("Emulation.setDeviceMetricsOverride", {{"width", width},
                                              {"height", height},
                                              {"deviceScaleFactor", touch ? 2 : 1},
                                              {"mobile", touch}});
  Page("Emulation.setTouchEmulationEnabled", {{"enabled", touch}});
}

std::vector<std::string> Chromium::ConsoleProblems(const std::string&) {
  Evaluate("0");  // takes in what has come so far
  std::vector<std::string> problems;
  for (const Json& event : events_) {
    const Json& params = event["params"];
    if (event["method"] == "Runtime.consoleAPICalled" &&
        (params["type"] == "error" || params["type"] == "warning" || params["type"] == "assert")) {
      problems.push_back(params["type"].get<std::string>() + ": " + params["args"].dump());
    } else if (event["method"] == "Runtime.exceptionThrown") {
      problems.push_back("exception: " + params["exceptionDetails"].dump());
    } else if (event["method"] == "Log.entryAdded" &&
               (params["entry"]["level"] == "error" || params["entry"]["level"] == "warning")) {
      problems.push_back(params["entry"]["level"].get<std::string>() + ": " +
                         params["entry"]["text"].get<std::string>());
    }
  }
  return problems;
}

std::vector<std::string> Chromium::Requests() {
  Evaluate("0");
  std::vector<std::string> urls;
  for (const Json& event : events_) {
    if (event["method"] == "Network.requestWillBeSent") {
      urls.push_back(event["params"]["request"]["url"]);
    }
  }
  return urls;
}

}  // namespace tarvinel::testing
