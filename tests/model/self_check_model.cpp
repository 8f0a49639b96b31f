#include "self_check_model.hpp"

#include "expected_reports.hpp"

namespace tarvinel::model {
namespace {

const std::string kCrLf = "\r\n";
const std::string kOpening =
    "Самопроверка: десет въпроса за ерите и периодите.\r\n"
    "Отговаряйте с бутоните на ерите или със списъка на периодите.\r\n\r\n";

std::string Era(int era) { return expected::kEraCaptions[era]; }
std::string Period(int row) { return expected::kPeriods[row].name; }

std::string QuestionLine(int number, bool period, int subject) {
  const std::string head = "Въпрос " + std::to_string(number) + " от 10: ";
  return period ? head + "От коя ера е периодът " + Period(subject) + "?"
                : head + "Посочете един период от ера " + Era(subject) + ".";
}

}  // namespace

std::string RoundModel::Question() const { return QuestionLine(number_, periodAsked_, subject_); }

// Which of the 28 questions `line` is, numbered `number` and not asked yet in the round.
std::string RoundModel::TakeQuestion(int number, const std::string& line) {
  for (int id = 0; id < 28; ++id) {
    const bool period = id < 22;
    const int subject = period ? id : id - 22;
    if (line != QuestionLine(number, period, subject) + kCrLf) continue;
    if (!asked_.insert(id).second) return "asked twice in a round: " + line;
    number_ = number;
    periodAsked_ = period;
    subject_ = subject;
    missed_ = false;
    return {};
  }
  return "not question " + std::to_string(number) + " of 10: " + line;
}

std::string RoundModel::Opened(const std::string& box) {
  *this = RoundModel{};
  if (!box.starts_with(kOpening)) return "not the opening of a round: " + box;
  return TakeQuestion(1, box.substr(kOpening.size()));
}

std::string RoundModel::Resumed(const std::string& box) const {
  const std::string expected = "Продължение на кръга: " + std::to_string(points_) +
                               (points_ == 1 ? " точка" : " точки") + " досега.\r\n\r\n" +
                               Question() + kCrLf;
  return box == expected ? "" : "expected " + expected + " but the box holds " + box;
}

std::string RoundModel::Answered(bool era, int index, const std::string& box) {
  if (Over()) return Opened(box);
  const int answerEra = era ? index : expected::kPeriods[index].era;
  const int rightEra = periodAsked_ ? expected::kPeriods[subject_].era : subject_;
  const std::string again = ". Опитайте пак.";
  std::string verdict;
  bool right = false;
  if (periodAsked_ != era) {
    verdict = era ? "Отговорете със списъка на периодите." : "Отговорете с бутоните на ерите.";
  } else if (answerEra == rightEra) {
    right = true;
    verdict = "Вярно: " + Period(era ? subject_ : index) + " е от ера " + Era(rightEra) + ".";
  } else if (!missed_) {
    verdict = era ? "Не е вярно: " + Period(subject_) + " не е от ера " + Era(index) + again
                  : "Не е вярно: " + Period(index) + " е от ера " + Era(answerEra) + again;
  } else if (era) {
    verdict = "Не е вярно. " + Period(subject_) + " е от ера " + Era(rightEra) + ".";
  } else {
    verdict = "Не е вярно. От ера " + Era(rightEra) + " са периодите: ";
    std::string names;
    for (int row = 0; row < 22; ++row) {
      if (expected::kPeriods[row].era == rightEra)
        names += (names.empty() ? "" : ", ") + Period(row);
    }
    verdict += names + ".";
  }
  if (periodAsked_ != era || (!right && !missed_)) {
    missed_ = missed_ || periodAsked_ == era;
    const std::string expected = verdict + kCrLf + kCrLf + Question() + kCrLf;
    return box == expected ? "" : "expected " + expected + " but the box holds " + box;
  }
  if (right) points_ += missed_ ? 1 : 2;
  if (right && !missed_) {
    ++firstTries_;
  } else {
    revise_.push_back(periodAsked_ ? Period(subject_) : Era(subject_));
  }
  return Next(verdict, box);
}

// After a question ends: the next question, or the score after the tenth.
std::string RoundModel::Next(const std::string& verdict, const std::string& box) {
  const std::string head = verdict + kCrLf + kCrLf;
  if (!box.starts_with(head))
    return "expected the verdict " + verdict + " but the box holds " + box;
  if (number_ < 10) return TakeQuestion(number_ + 1, box.substr(head.size()));
  over_ = true;
  std::string end = "Край: " + std::to_string(points_) + (points_ == 1 ? " точка" : " точки") +
                    " от 20.\r\nВерни от първия опит: " + std::to_string(firstTries_) +
                    " от 10.\r\n";
  if (!revise_.empty()) {
    end += "За преговор: ";
    for (std::size_t at = 0; at < revise_.size(); ++at) end += (at ? ", " : "") + revise_[at];
    end += ".\r\n";
  }
  end += "За нов кръг посочете ера или период.\r\n";
  return box == head + end ? "" : "expected the score " + head + end + " but the box holds " + box;
}

}  // namespace tarvinel::model
