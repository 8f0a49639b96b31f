#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tarvinel/self_check.hpp"

namespace tarvinel {

// A learning platform's SCORM 1.2 run-time, its calls as the platform answers them.
class Scorm12Api {
 public:
  virtual ~Scorm12Api() = default;
  virtual bool LMSInitialize() = 0;
  virtual std::string LMSGetValue(const std::string& element) = 0;
  virtual bool LMSSetValue(const std::string& element, const std::string& value) = 0;
  virtual bool LMSCommit() = 0;
  virtual bool LMSFinish() = 0;
  virtual std::string LMSGetLastError() = 0;

 protected:
  Scorm12Api() = default;
  Scorm12Api(const Scorm12Api&) = default;
  Scorm12Api& operator=(const Scorm12Api&) = default;
};

// A self-check's record in a learning platform: each question ended as an interaction, each
// round's score and status, and after every answer the round under way, so that a launch after
// a closed tab goes on with it. What the platform refuses is written again with the next answer,
// and the box says so meanwhile.
class Scorm12Record : public RoundRecord {
 public:
  // The time since this launch.
  using Clock = std::function<std::chrono::milliseconds()>;
  Scorm12Record(Scorm12Api& api, Clock sinceLaunch);

  Opening Open() override;
  std::string Keep(const AnswerRecord& answer) override;
  // The launch ends (the page is going): its time, then the end of the session, once.
  void Close();

 private:
  std::string Read(const std::string& element);
  void Set(const std::string& element, std::string value);
  // Writes what is not yet written, and commits where asked; the line saying what the platform
  // refused, or empty.
  std::string Store(bool commit);

  Scorm12Api& api_;
  Clock sinceLaunch_;
  bool initialised_ = false;
  bool closed_ = false;
  std::optional<int> nextInteraction_;  // none where the platform keeps no interactions
  std::optional<double> masteryScore_;
  std::vector<std::pair<std::string, std::string>> unwritten_;
};

}  // namespace tarvinel
