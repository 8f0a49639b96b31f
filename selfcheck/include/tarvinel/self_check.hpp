#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "tarvinel/tarvinel_view.hpp"

namespace tarvinel {

inline constexpr int kQuestionsPerRound = 10;
inline constexpr int kMostPoints = 2 * kQuestionsPerRound;
// What a round opens with, before its first question.
inline constexpr std::string_view kSelfCheckOpening =
    "Самопроверка: десет въпроса за ерите и периодите.\r\n"
    "Отговаряйте с бутоните на ерите или със списъка на периодите.\r\n";
// One question for each period ("which era?"), then one for each era ("name one of its periods").
inline constexpr int kQuestionCount = kPeriodCount + kEraCount;

// A question that an answer ended, right or after its second miss.
struct QuestionEnd {
  bool period;  // about period row `index`, else about era `index`
  std::int16_t index;
  std::string answers;  // each try's answer as the pickers show it, the first miss first: "А, Б"
  bool right;
  std::vector<std::string> rightAnswers;  // every answer that is right
};

// What one answer made of the round.
struct AnswerRecord {
  std::optional<QuestionEnd> ended;
  std::optional<int> points;  // the round's points, where the answer ended the round
  std::string state;          // the round as a short text that restores it; empty once it is over
};

// Where a round's answers are kept beyond the window, such as a learning platform.
class RoundRecord {
 public:
  struct Opening {
    std::string state;  // a round broken off, to go on with; empty for none
    std::string note;   // a last line for the box where the record cannot be kept, else empty
  };
  virtual ~RoundRecord() = default;
  virtual Opening Open() = 0;
  // After each answer, before the box shows its outcome; a last line for the box, or empty.
  virtual std::string Keep(const AnswerRecord& answer) = 0;

 protected:
  RoundRecord() = default;
  RoundRecord(const RoundRecord&) = default;
  RoundRecord& operator=(const RoundRecord&) = default;
};

// A self-check round: the box asks, the two pickers answer. Ten different questions are drawn at
// random from the 28; each is worth 2 points when right at the first try, 1 at the second. Every
// write of the box clears both pickers, so that neither gives an answer away.
class SelfCheck : public PickHandler {
 public:
  SelfCheck(TarvinelView& view, std::uint32_t seed);

  // Writes the opening of a new round and its first question.
  void Start();
  // Keeps every answer in `record` from now on, and goes on with the round it holds, if any;
  // else starts a new one.
  void Open(RoundRecord& record);
  void Option1_Click(std::int16_t Index) override;
  void List1_Click(std::int16_t Index) override;
  bool MovesPick() const override { return false; }

 private:
  struct Question {
    bool period;  // "От коя ера е периодът ..." about period `index`, else about era `index`
    std::int16_t index;
  };

  std::int16_t EraOfPeriod(std::int16_t row) const;
  std::string Asked() const;
  std::string AnswerText(const Question& question, std::int16_t answer) const;
  std::vector<std::string> RightAnswers(const Question& question) const;
  int Points() const;
  std::string Score() const;
  std::string State() const;
  bool Restore(std::string_view state);
  void Answer(bool right, std::int16_t answer, const std::string& verdict);
  void Keep(const AnswerRecord& answer);
  void Show(const std::string& first, const std::string& rest);

  TarvinelView& view_;
  std::mt19937 random_;
  RoundRecord* record_ = nullptr;
  std::array<Question, kQuestionsPerRound> round_{};
  int asked_ = 0;  // the question being asked, 0 to 9; 10 once the round is over
  std::optional<std::int16_t> firstMiss_;  // the question's first answer, where it was wrong
  std::vector<int> scored_;                // the points of each question ended
  std::string unkept_;  // the record's last line for the box, while it has not kept every answer
  bool showing_ = false;
};

}  // namespace tarvinel
