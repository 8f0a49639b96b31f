#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvinel::testing {

using Json = nlohmann::json;

enum class Engine { Chromium, WebKit, Firefox };
std::string NameOf(Engine engine);
inline void PrintTo(Engine engine, std::ostream* out) { *out << NameOf(engine); }

// Held down during a click or a key.
constexpr int kAlt = 1;
constexpr int kCtrl = 2;
constexpr int kShift = 8;

// What an engine's driver cannot give; the message says which engine and what.
struct Unsupported : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// One browser with one page, driven through its own automation protocol with the browser's own
// input: the events it makes are the ones a user's mouse, finger and keyboard make.
class Browser {
 public:
  virtual ~Browser() = default;
  virtual Engine engine() const = 0;

  // Opens `url` and waits for its load event.
  virtual void Navigate(const std::string& url) = 0;
  // The value of a script expression in the page; a promise is awaited.
  virtual Json Evaluate(const std::string& expression) = 0;
  // Waits until a script's value is true.
  void AwaitTrue(const std::string& expression,
                 std::chrono::milliseconds limit = std::chrono::seconds(20));

  // The pointer pressed and released at a point of the page, in CSS pixels.
  virtual void Click(double x, double y, int modifiers = 0) = 0;
  // A finger on the screen and lifted; throws Unsupported where the driver has no touch.
  virtual void Tap(double x, double y) = 0;
  // A finger put down at a point and dragged `dy` pixels down (up where negative), then lifted;
  // throws Unsupported where the driver cannot.
  virtual void Swipe(double x, double y, double dy) = 0;
  // A key pressed and released, named as KeyboardEvent.key names it ("Tab", "ArrowUp", "ю").
  virtual void Press(const std::string& key, int modifiers = 0) = 0;

  // The page as drawn, a PNG.
  virtual std::string Screenshot() = 0;
  // The page's viewport, in CSS pixels; with `touch`, as a phone's or a tablet's.
  virtual void Resize(int width, int height, bool touch) = 0;
  // Each error and warning the engine wrote on its console for the page at `url`, since it was
  // opened.
  virtual std::vector<std::string> ConsoleProblems(const std::string& url) = 0;
  // Each address the page asked for, as the engine saw it.
  virtual std::vector<std::string> Requests() = 0;

 protected:
  Browser() = default;
  Browser(const Browser&) = default;
  Browser& operator=(const Browser&) = default;
};

std::unique_ptr<Browser> Launch(Engine engine);

// Throws std::runtime_error saying `what` unless `ok`.
void Check(bool ok, const std::string& what);
// Waits for a child to end, for at most `limit`; kills it if it has not.
void Reap(pid_t pid, std::chrono::milliseconds limit);

// A static web server on this machine's loopback address, serving one folder.
class StaticServer {
 public:
  explicit StaticServer(const std::filesystem::path& folder);
  StaticServer(const StaticServer&) = delete;
  StaticServer& operator=(const StaticServer&) = delete;
  ~StaticServer();

  // Stops serving: the network is gone for the page.
  void Stop();
  // The address of a file, e.g. Url("index.html"), or of the folder, Url("").
  std::string Url(const std::string& file) const;
  // The path of every GET the server has answered so far, in order.
  std::vector<std::string> Served() const;

 private:
  pid_t pid_ = -1;
  int output_ = -1;
  int port_ = 0;
  std::filesystem::path log_;
};

// The web edition's folder, as built by the web preset.
std::filesystem::path WebDist();

}  // namespace tarvinel::testing
