#include "tarvinel/self_check.hpp"

#include <numeric>
#include <utility>

#include "tarvinel/reports.hpp"

namespace tarvinel {
namespace {

std::string PointsText(int points) {
  return std::to_string(points) + (points == 1 ? " точка" : " точки");
}

}  // namespace

SelfCheck::SelfCheck(TarvinelView& view, std::uint32_t seed) : view_(view), random_(seed) {}

void SelfCheck::Start() {
  // The first ten of the 28 questions, shuffled in a way that is the same on every platform.
  std::array<std::int16_t, kQuestionCount> order{};
  std::iota(order.begin(), order.end(), std::int16_t{0});
  for (std::size_t at = 0; at < kQuestionsPerRound; ++at) {
    const auto left = static_cast<std::uint32_t>(order.size() - at);
    std::swap(order[at], order[at + random_() % left]);
  }
  for (std::size_t at = 0; at < kQuestionsPerRound; ++at) {
    const std::int16_t drawn = order[at];
    round_[at] = drawn < kPeriodCount
                     ? Question{true, drawn}
                     : Question{false, static_cast<std::int16_t>(drawn - kPeriodCount)};
  }
  asked_ = 0;
  missed_ = false;
  points_ = 0;
  firstTries_ = 0;
  toRevise_.clear();
  Show(std::string(kSelfCheckOpening), Asked());
}

std::int16_t SelfCheck::EraOfPeriod(std::int16_t row) const {
  return EraOfNumberText(view_.EraNumberText(row)).value_or(-1);
}

std::string SelfCheck::Asked() const {
  const Question& question = round_.at(static_cast<std::size_t>(asked_));
  std::string text =
      "Въпрос " + std::to_string(asked_ + 1) + " от " + std::to_string(kQuestionsPerRound) + ": ";
  if (question.period) {
    return text + "От коя ера е периодът " + view_.PeriodName(question.index) + "?";
  }
  return text + "Посочете един период от ера " + view_.EraCaption(question.index) + ".";
}

void SelfCheck::Option1_Click(std::int16_t Index) {
  if (showing_ || Index < 0 || Index >= kEraCount) return;
  if (asked_ == kQuestionsPerRound) return Start();
  const Question& question = round_.at(static_cast<std::size_t>(asked_));
  if (!question.period) {
    return Show("Отговорете със списъка на периодите.", Asked());
  }
  const std::string period = view_.PeriodName(question.index);
  const std::int16_t era = EraOfPeriod(question.index);
  if (Index == era) {
    return Answer(true, "Вярно: " + period + " е от ера " + view_.EraCaption(era) + ".");
  }
  if (!missed_) {
    return Answer(false, "Не е вярно: " + period + " не е от ера " + view_.EraCaption(Index) +
                             ". Опитайте пак.");
  }
  Answer(false, "Не е вярно. " + period + " е от ера " + view_.EraCaption(era) + ".");
}

void SelfCheck::List1_Click(std::int16_t /*Index*/) {
  const std::int16_t row = view_.ListIndex();
  if (showing_ || row < 0 || row >= view_.PeriodCount()) return;
  if (asked_ == kQuestionsPerRound) return Start();
  const Question& question = round_.at(static_cast<std::size_t>(asked_));
  if (question.period) return Show("Отговорете с бутоните на ерите.", Asked());
  const std::string picked = view_.PeriodName(row);
  const std::int16_t era = EraOfPeriod(row);
  if (era == question.index) {
    return Answer(true, "Вярно: " + picked + " е от ера " + view_.EraCaption(era) + ".");
  }
  if (!missed_) {
    return Answer(
        false, "Не е вярно: " + picked + " е от ера " + view_.EraCaption(era) + ". Опитайте пак.");
  }
  std::string periods;
  for (std::int16_t other = 0; other < view_.PeriodCount(); ++other) {
    if (EraOfPeriod(other) != question.index) continue;
    periods += (periods.empty() ? "" : ", ") + view_.PeriodName(other);
  }
  Answer(false, "Не е вярно. От ера " + view_.EraCaption(question.index) +
                    " са периодите: " + periods + ".");
}

// A right answer or a second miss ends the question; a first miss leaves it a second try.
void SelfCheck::Answer(bool right, const std::string& verdict) {
  const Question& question = round_.at(static_cast<std::size_t>(asked_));
  if (!right && !missed_) {
    missed_ = true;
    return Show(verdict, Asked());
  }
  if (right) points_ += missed_ ? 1 : 2;
  if (right && !missed_) {
    ++firstTries_;
  } else {
    toRevise_.push_back(question.period ? view_.PeriodName(question.index)
                                        : view_.EraCaption(question.index));
  }
  missed_ = false;
  if (++asked_ < kQuestionsPerRound) return Show(verdict, Asked());
  std::string end = "Край: " + PointsText(points_) + " от " +
                    std::to_string(2 * kQuestionsPerRound) +
                    ".\r\nВерни от първия опит: " + std::to_string(firstTries_) + " от " +
                    std::to_string(kQuestionsPerRound) + ".";
  if (!toRevise_.empty()) {
    std::string names;
    for (const std::string& name : toRevise_) names += (names.empty() ? "" : ", ") + name;
    end += "\r\nЗа преговор: " + names + ".";
  }
  Show(verdict, end + "\r\nЗа нов кръг посочете ера или период.");
}

// The box's whole text: a first part, an empty line, and the question or the score, each line
// ending in CR LF. Both pickers are cleared first; a click they raise meanwhile is not an answer.
void SelfCheck::Show(const std::string& first, const std::string& rest) {
  showing_ = true;
  view_.ClearEras();
  view_.SetListIndex(-1);
  std::string text = first;
  if (!text.ends_with(kLineEnd)) text += kLineEnd;
  view_.SetText(text + std::string(kLineEnd) + rest + std::string(kLineEnd));
  showing_ = false;
}

}  // namespace tarvinel
