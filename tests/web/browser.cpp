#include "browser.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <thread>

#include "chromium.hpp"
#include "node_browser.hpp"

namespace tarvinel::testing {
namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

void Check(bool ok, const std::string& what) {
  if (!ok) throw std::runtime_error(what);
}

void Reap(pid_t pid, std::chrono::milliseconds limit) {
  const auto until = Clock::now() + limit;
  while (Clock::now() < until) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

std::string NameOf(Engine engine) {
  switch (engine) {
    case Engine::Chromium:
      return "Chromium";
    case Engine::WebKit:
      return "WebKit";
    case Engine::Firefox:
      return "Firefox";
  }
  return "?";
}

void Browser::AwaitTrue(const std::string& expression, std::chrono::milliseconds limit) {
  const auto until = Clock::now() + limit;
  while (Evaluate("!!(" + expression + ")") != true) {
    Check(Clock::now() < until, "never true: " + expression);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

std::unique_ptr<Browser> Launch(Engine engine) {
  if (engine == Engine::Chromium) return std::make_unique<Chromium>();
  return std::make_unique<NodeBrowser>(engine);
}

std::filesystem::path WebDist() {
  if (const char* dist = std::getenv("TARVINEL_WEB_DIST")) return dist;
  return TARVINEL_WEB_DIST;
}

StaticServer::StaticServer(const std::filesystem::path& folder) {
  Check(std::filesystem::exists(folder / "index.html"),
        folder.string() + " holds no page: build it with cmake --workflow --preset web");
  char log[] = "/tmp/tarvinel-server-XXXXXX";
  const int made = mkstemp(log);
  Check(made >= 0, "cannot make the server's log");
  close(made);
  log_ = log;
  int out[2];
  Check(pipe(out) == 0, "cannot make a pipe");
  pid_ = fork();
  Check(pid_ >= 0, "cannot start the web server");
  if (pid_ == 0) {
    dup2(out[1], 1);
    close(out[0]);
    close(out[1]);
    // Each request it answers is a line of its log.
    const int log = open(log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(log, 2);
    const std::string directory = folder.string();
    execl("/usr/bin/python3", "python3", "-u", "-m", "http.server", "--bind", "127.0.0.1",
          "--directory", directory.c_str(), "0", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  // "Serving HTTP on 127.0.0.1 port N (http://127.0.0.1:N/) ..."
  std::string said;
  char chunk[256];
  pollfd ready{out[0], POLLIN, 0};
  while (said.find(") ...\n") == std::string::npos && poll(&ready, 1, 10000) > 0) {
    const ssize_t got = read(out[0], chunk, sizeof chunk);
    if (got <= 0) break;
    said.append(chunk, static_cast<std::size_t>(got));
  }
  // Kept open: the server would end on writing to a closed pipe.
  output_ = out[0];
  const auto at = said.find(" port ");
  Check(at != std::string::npos, "the web server did not start: " + said);
  port_ = std::stoi(said.substr(at + 6));
}

StaticServer::~StaticServer() {
  Stop();
  std::error_code ignored;
  std::filesystem::remove(log_, ignored);
}

void StaticServer::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  Reap(pid_, std::chrono::seconds(5));
  close(output_);
  pid_ = -1;
}

std::string StaticServer::Url(const std::string& file) const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/" + file;
}

std::vector<std::string> StaticServer::Served() const {
  // 127.0.0.1 - - [09/Dec/2026 12:12:04] "GET /tarvinel.js HTTP/1.1" 200 -
  static const std::regex kGet(R"re("GET ([^ ]*) HTTP)re");
  std::vector<std::string> paths;
  std::ifstream log(log_);
  std::smatch found;
  for (std::string line; std::getline(log, line);) {
    if (std::regex_search(line, found, kGet)) paths.push_back(found[1]);
  }
  return paths;
}

}  // namespace tarvinel::testing
