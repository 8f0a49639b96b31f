#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "browser.hpp"

namespace tarvinel::testing {

// WebKit or Firefox, driven by maintained client libraries in Node.js (engines/driver.mjs): this
// side sends one JSON request per line and reads one answer per line.
class NodeBrowser : public Browser {
 public:
  explicit NodeBrowser(Engine engine);
  NodeBrowser(const NodeBrowser&) = delete;
  NodeBrowser& operator=(const NodeBrowser&) = delete;
  ~NodeBrowser() override;

  Engine engine() const override { return engine_; }
  void Navigate(const std::string& url) override;
  Json Evaluate(const std::string& expression) override;
  void Click(double x, double y, int modifiers = 0) override;
  void Tap(double x, double y) override;
  void Swipe(double x, double y, double dy) override;
  void Press(const std::string& key, int modifiers = 0) override;
  std::string Screenshot() override;
  void Resize(int width, int height, bool touch) override;
  std::vector<std::string> ConsoleProblems(const std::string& url) override;
  std::vector<std::string> Requests() override;

 private:
  Json Ask(Json request);

  Engine engine_;
  pid_t pid_ = -1;
  int toDriver_ = -1;
  int fromDriver_ = -1;
  std::string buffer_;
  std::filesystem::path folder_;
};

}  // namespace tarvinel::testing
