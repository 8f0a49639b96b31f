#pragma once

#include <sys/types.h>

#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>

namespace tarvinel::testing {

using Json = nlohmann::json;

// Headless Chromium, spoken to over the DevTools protocol on a pipe: JSON messages, each ended by
// a NUL byte, commands in on the browser's descriptor 3 and answers and events out on its 4. It
// opens on one blank page, attached as `page`.
class Chromium {
 public:
  Chromium();
  Chromium(const Chromium&) = delete;
  Chromium& operator=(const Chromium&) = delete;
  ~Chromium();

  // A command to the page, answered before it returns; throws on an error or a silent browser.
  Json Page(const std::string& method, Json params = Json::object());
  // A command to the browser itself, or to another session.
  Json Send(const std::string& method, Json params, const std::string& session = {});

  // Waits until an event arrives for which `wanted` is true, and returns it.
  Json AwaitEvent(const std::function<bool(const Json&)>& wanted,
                  std::chrono::milliseconds limit = std::chrono::seconds(20));
  // Every event so far, oldest first.
  const std::deque<Json>& Events() const { return events_; }

  // The value of a script run in the page; a promise is awaited.
  Json Evaluate(const std::string& expression);
  // Waits until a script's value is true.
  void AwaitTrue(const std::string& expression,
                 std::chrono::milliseconds limit = std::chrono::seconds(20));

  // Opens `url` and waits for its load event.
  void Navigate(const std::string& url);

  // Real input, as the browser takes it from the system: the pointer pressed and released at a
  // point of the page (CSS pixels, zoomed as drawn), a key pressed and released.
  void Click(double x, double y, int modifiers = 0);
  void Tap(double x, double y);
  void PressKey(const std::string& key, const std::string& code, int keyCode, int modifiers = 0,
                const std::string& text = {});

  const std::string& session() const { return session_; }

 private:
  Json Await(int id);
  // Reads one message; false when none came within the limit.
  bool Read(Json& message, std::chrono::milliseconds limit);

  pid_t pid_ = -1;
  int toBrowser_ = -1;
  int fromBrowser_ = -1;
  int nextId_ = 1;
  std::string buffer_;
  std::deque<Json> events_;
  std::string session_;
  std::filesystem::path profile_;
};

// A static web server on this machine's loopback address, serving one folder.
class StaticServer {
 public:
  explicit StaticServer(const std::filesystem::path& folder);
  StaticServer(const StaticServer&) = delete;
  StaticServer& operator=(const StaticServer&) = delete;
  ~StaticServer() { Stop(); }

  // Stops serving: the network is gone for the page.
  void Stop();
  // The address of a file, e.g. Url("index.html"), or of the folder, Url("").
  std::string Url(const std::string& file) const;

 private:
  pid_t pid_ = -1;
  int output_ = -1;
  int port_ = 0;
};

// The web edition's folder, as built by the web preset.
std::filesystem::path WebDist();

}  // namespace tarvinel::testing
