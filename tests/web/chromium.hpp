#pragma once

#include <sys/types.h>

#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>

#include "browser.hpp"

namespace tarvinel::testing {

// Headless Chromium, spoken to over the DevTools protocol on a pipe: JSON messages, each ended by
// a NUL byte, commands in on the browser's descriptor 3 and answers and events out on its 4. It
// opens on one blank page, attached as `page`.
class Chromium : public Browser {
 public:
  Chromium();
  Chromium(const Chromium&) = delete;
  Chromium& operator=(const Chromium&) = delete;
  ~Chromium() override;

  Engine engine() const override { return Engine::Chromium; }

  // A command to the page, answered before it returns; throws on an error or a silent browser.
  Json Page(const std::string& method, Json params = Json::object());
  // A command to the browser itself, or to another session.
  Json Send(const std::string& method, Json params, const std::string& session = {});

  // Waits until an event arrives for which `wanted` is true, and returns it.
  Json AwaitEvent(const std::function<bool(const Json&)>& wanted,
                  std::chrono::milliseconds limit = std::chrono::seconds(20));
  // Every event so far, oldest first.
  const std::deque<Json>& Events() const { return events_; }

  Json Evaluate(const std::string& expression) override;
  void Navigate(const std::string& url) override;

  // Real input, as the browser takes it from the system.
  void Click(double x, double y, int modifiers = 0) override;
  void Tap(double x, double y) override;
  void Swipe(double x, double y, double dy) override;
  void Press(const std::string& key, int modifiers = 0) override;
  // A key event as the protocol gives it, down to what its fields say.
  void PressKey(const std::string& key, const std::string& code, int keyCode, int modifiers = 0,
                const std::string& text = {});

  std::string Screenshot() override;
  void Resize(int width, int height, bool touch) override;
  std::vector<std::string> ConsoleProblems(const std::string& url) override;
  std::vector<std::string> Requests() override;

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

}  // namespace tarvinel::testing
