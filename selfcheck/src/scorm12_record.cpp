#include "tarvinel/scorm12_record.hpp"

#include <algorithm>
#include <cstdio>

namespace tarvinel {
namespace {

// A decimal as SCORM 1.2 writes one, digits with at most one point; none for anything else.
std::optional<double> Decimal(std::string_view text) {
  double whole = 0;
  double scale = 0;  // 0 until the point, then the place of the next digit
  bool digits = false;
  for (const char c : text) {
    if (c == '.' && scale == 0) {
      scale = 0.1;
    } else if (c >= '0' && c <= '9') {
      digits = true;
      if (scale == 0) {
        whole = whole * 10 + (c - '0');
      } else {
        whole += (c - '0') * scale;
        scale /= 10;
      }
    } else {
      return std::nullopt;
    }
  }
  return digits ? std::optional<double>(whole) : std::nullopt;
}

// A duration as SCORM 1.2 writes one: HHHH:MM:SS.SS.
std::string Scorm12Time(std::chrono::milliseconds duration) {
  const long long hundredths = std::max<long long>(duration.count(), 0) / 10;
  const long long hours = std::min<long long>(hundredths / 360000, 9999);
  char text[32];
  std::snprintf(text, sizeof text, "%04lld:%02lld:%02lld.%02lld", hours, hundredths / 6000 % 60,
                hundredths / 100 % 60, hundredths % 100);
  return text;
}

// The box's last line where the platform refused a value or a commit, with the platform's code.
std::string NotRecordedLine(std::string_view code) {
  std::string digits;
  for (const char c : code.substr(0, 8)) {
    if (c >= '0' && c <= '9') digits += c;
  }
  return "Резултатът не е записан в платформата (грешка " + (digits.empty() ? "?" : digits) + ").";
}

}  // namespace

Scorm12Record::Scorm12Record(Scorm12Api& api, Clock sinceLaunch)
    : api_(api), sinceLaunch_(std::move(sinceLaunch)) {}

// The launch's own values.
RoundRecord::Opening Scorm12Record::Open() {
  if (!api_.LMSInitialize()) return {{}, NotRecordedLine(api_.LMSGetLastError())};
  initialised_ = true;
  Opening opening;
  const auto count = Decimal(Read("cmi.interactions._count"));
  if (count && *count == static_cast<int>(*count)) nextInteraction_ = static_cast<int>(*count);
  masteryScore_ = Decimal(Read("cmi.student_data.mastery_score"));
  if (Read("cmi.core.entry") == "resume") opening.state = Read("cmi.suspend_data");
  const std::string status = Read("cmi.core.lesson_status");
  if (status.empty() || status == "not attempted") {
    Set("cmi.core.lesson_status", "incomplete");
    opening.note = Store(true);
  }
  return opening;
}

std::string Scorm12Record::Keep(const AnswerRecord& answer) {
  if (answer.ended && nextInteraction_) {
    const QuestionEnd& ended = *answer.ended;
    const std::string at = "cmi.interactions." + std::to_string((*nextInteraction_)++) + ".";
    Set(at + "id", (ended.period ? "period-" : "era-") + std::to_string(ended.index));
    Set(at + "type", "fill-in");
    Set(at + "student_response", ended.answers);
    Set(at + "result", ended.right ? "correct" : "wrong");
    for (std::size_t each = 0; each < ended.rightAnswers.size(); ++each) {
      Set(at + "correct_responses." + std::to_string(each) + ".pattern", ended.rightAnswers[each]);
    }
  }
  if (answer.points) {
    // Platforms read the raw score alone, against a maximum of 100.
    const int raw = *answer.points * 100 / kMostPoints;
    Set("cmi.core.score.min", "0");
    Set("cmi.core.score.max", "100");
    Set("cmi.core.score.raw", std::to_string(raw));
    Set("cmi.core.lesson_status", !masteryScore_          ? "completed"
                                  : raw >= *masteryScore_ ? "passed"
                                                          : "failed");
  }
  Set("cmi.suspend_data", answer.state);
  Set("cmi.core.exit", answer.state.empty() ? "" : "suspend");
  Set("cmi.core.session_time", Scorm12Time(sinceLaunch_()));
  return Store(true);
}

void Scorm12Record::Close() {
  if (!initialised_ || closed_) return;
  closed_ = true;
  Set("cmi.core.session_time", Scorm12Time(sinceLaunch_()));
  Store(false);
  api_.LMSFinish();
}

// A value the platform cannot give reads as none.
std::string Scorm12Record::Read(const std::string& element) {
  std::string value = api_.LMSGetValue(element);
  const std::string error = api_.LMSGetLastError();
  return error.empty() || error == "0" ? value : std::string();
}

// A value not yet written replaces the one before it for the same element, in its place.
void Scorm12Record::Set(const std::string& element, std::string value) {
  const auto same = std::find_if(unwritten_.begin(), unwritten_.end(),
                                 [&](const auto& unwritten) { return unwritten.first == element; });
  if (same != unwritten_.end()) {
    same->second = std::move(value);
  } else {
    unwritten_.emplace_back(element, std::move(value));
  }
}

std::string Scorm12Record::Store(bool commit) {
  std::optional<std::string> refused;  // the platform's code for the first refusal
  std::vector<std::pair<std::string, std::string>> kept;
  for (auto& unwritten : unwritten_) {
    if (api_.LMSSetValue(unwritten.first, unwritten.second)) continue;
    if (!refused) refused = api_.LMSGetLastError();
    kept.push_back(std::move(unwritten));
  }
  unwritten_ = std::move(kept);
  if (commit && !api_.LMSCommit() && !refused) refused = api_.LMSGetLastError();
  return refused ? NotRecordedLine(*refused) : std::string();
}

}  // namespace tarvinel
