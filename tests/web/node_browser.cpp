#include "node_browser.hpp"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

namespace tarvinel::testing {

NodeBrowser::NodeBrowser(Engine engine) : engine_(engine) {
  const std::filesystem::path packages =
      std::filesystem::path(TARVINEL_ENGINES_DRIVER).parent_path() / "node_modules";
  Check(std::filesystem::exists(packages), "the packages that drive " + NameOf(engine) +
                                               " are not installed in " + packages.string() +
                                               ": run npm ci there (scripts/dev setup does)");
  char folder[] = "/tmp/tarvinel-engine-XXXXXX";
  Check(mkdtemp(folder) != nullptr, "cannot make a folder for the browser");
  folder_ = folder;
  int in[2];
  int out[2];
  Check(pipe(in) == 0 && pipe(out) == 0, "cannot make pipes");
  pid_ = fork();
  Check(pid_ >= 0, "cannot start node");
  if (pid_ == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    for (int fd : {in[0], in[1], out[0], out[1]}) {
      if (fd > 2) close(fd);
    }
    const std::string name = NameOf(engine);
    execlp("node", "node", TARVINEL_ENGINES_DRIVER, name.c_str(), folder_.c_str(),
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  toDriver_ = in[1];
  fromDriver_ = out[0];
  Ask({{"op", "start"}});
}

NodeBrowser::~NodeBrowser() {
  if (pid_ > 0) {
    try {
      Ask({{"op", "quit"}});
    } catch (const std::exception&) {
      kill(pid_, SIGTERM);
    }
    close(toDriver_);
    Reap(pid_, std::chrono::seconds(20));
  }
  if (fromDriver_ >= 0) close(fromDriver_);
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

Json NodeBrowser::Ask(Json request) {
  const std::string line = request.dump() + "\n";
  const char* data = line.c_str();
  std::size_t left = line.size();
  while (left > 0) {
    const ssize_t written = write(toDriver_, data, left);
    Check(written > 0, NameOf(engine_) + "'s driver has ended");
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  for (;;) {
    if (const auto end = buffer_.find('\n'); end != std::string::npos) {
      const Json answer = Json::parse(buffer_.substr(0, end));
      buffer_.erase(0, end + 1);
      if (answer.contains("unsupported")) throw Unsupported(answer["unsupported"]);
      if (answer.contains("error")) {
        throw std::runtime_error(NameOf(engine_) + ": " + request.dump() + ": " +
                                 answer["error"].get<std::string>());
      }
      return answer["value"];
    }
    pollfd ready{fromDriver_, POLLIN, 0};
    Check(poll(&ready, 1, 120'000) > 0, NameOf(engine_) + " did not answer " + request.dump());
    char chunk[65536];
    const ssize_t got = read(fromDriver_, chunk, sizeof chunk);
    Check(got > 0, NameOf(engine_) + "'s driver has ended");
    buffer_.append(chunk, static_cast<std::size_t>(got));
  }
}

void NodeBrowser::Navigate(const std::string& url) { Ask({{"op", "navigate"}, {"url", url}}); }

Json NodeBrowser::Evaluate(const std::string& expression) {
  return Ask({{"op", "evaluate"}, {"expression", expression}});
}

void NodeBrowser::Click(double x, double y, int modifiers) {
  Ask({{"op", "click"}, {"x", x}, {"y", y}, {"modifiers", modifiers}});
}

void NodeBrowser::Tap(double x, double y) { Ask({{"op", "tap"}, {"x", x}, {"y", y}}); }

void NodeBrowser::Swipe(double x, double y, double dy) {
  Ask({{"op", "swipe"}, {"x", x}, {"y", y}, {"dy", dy}});
}

void NodeBrowser::Press(const std::string& key, int modifiers) {
  Ask({{"op", "key"}, {"key", key}, {"modifiers", modifiers}});
}

std::string NodeBrowser::Screenshot() {
  const std::filesystem::path file = folder_ / "screenshot.png";
  Ask({{"op", "screenshot"}, {"file", file.string()}});
  std::ifstream png(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(png), std::istreambuf_iterator<char>()};
}

void NodeBrowser::Resize(int width, int height, bool touch) {
  Ask({{"op", "resize"}, {"width", width}, {"height", height}, {"touch", touch}});
}

std::vector<std::string> NodeBrowser::ConsoleProblems(const std::string& url) {
  return Ask({{"op", "console"}, {"url", url}});
}

std::vector<std::string> NodeBrowser::Requests() { return Ask({{"op", "requests"}}); }

}  // namespace tarvinel::testing
