#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "tarvinel/tarvinel_view.hpp"

namespace tarvinel {

inline constexpr int kQuestionsPerRound = 10;
// What a round opens with, before its first question.
inline constexpr std::string_view kSelfCheckOpening =
    "Самопроверка: десет въпроса за ерите и периодите.\r\n"
    "Отговаряйте с бутоните на ерите или със списъка на периодите.\r\n";
// One question for each period ("which era?"), then one for each era ("name one of its periods").
inline constexpr int kQuestionCount = kPeriodCount + kEraCount;

// A self-check round: the box asks, the two pickers answer. Ten different questions are drawn at
// random from the 28; each is worth 2 points when right at the first try, 1 at the second. Every
// write of the box clears both pickers, so that neither gives an answer away.
class SelfCheck : public PickHandler {
 public:
  SelfCheck(TarvinelView& view, std::uint32_t seed);

  // Writes the opening of a new round and its first question.
  void Start();
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
  void Answer(bool right, const std::string& verdict);
  void Show(const std::string& first, const std::string& rest);

  TarvinelView& view_;
  std::mt19937 random_;
  std::array<Question, kQuestionsPerRound> round_{};
  int asked_ = 0;        // the question being asked, 0 to 9; 10 once the round is over
  bool missed_ = false;  // the question has had its first miss
  bool showing_ = false;
  int points_ = 0;
  int firstTries_ = 0;
  std::vector<std::string> toRevise_;
};

}  // namespace tarvinel
