#include "tarvinel/self_check.hpp"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <utility>

#include "tarvinel/reports.hpp"

namespace tarvinel {
namespace {

std::string PointsText(int points) {
  return std::to_string(points) + (points == 1 ? " точка" : " точки");
}

std::string Joined(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
  return joined;
}

// A whole number from 0 to `last`, written in decimal digits alone.
std::optional<std::int16_t> Number(std::string_view text, int last) {
  int value = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || text.size() > 2 || error != std::errc() || end != text.data() + text.size() ||
      value < 0 || value > last) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

// The text's fields between `separator`s.
std::vector<std::string_view> Fields(std::string_view text, char separator) {
  std::vector<std::string_view> fields;
  for (std::size_t from = 0;;) {
    const std::size_t at = text.find(separator, from);
    fields.push_back(text.substr(from, at - from));
    if (at == std::string_view::npos) return fields;
    from = at + 1;
  }
}

constexpr std::string_view kStateVersion = "1";

}  // namespace

SelfCheck::SelfCheck(TarvinelView& view, std::uint32_t seed) : view_(view), random_(seed) {}

void SelfCheck::Open(RoundRecord& record) {
  record_ = &record;
  RoundRecord::Opening opening = record.Open();
  unkept_ = std::move(opening.note);
  if (!Restore(opening.state)) return Start();
  Show("Продължение на кръга: " + PointsText(Points()) + " досега.", Asked());
}

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
  firstMiss_.reset();
  scored_.clear();
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
    return Answer(true, Index, "Вярно: " + period + " е от ера " + view_.EraCaption(era) + ".");
  }
  if (!firstMiss_) {
    return Answer(
        false, Index,
        "Не е вярно: " + period + " не е от ера " + view_.EraCaption(Index) + ". Опитайте пак.");
  }
  Answer(false, Index, "Не е вярно. " + period + " е от ера " + view_.EraCaption(era) + ".");
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
    return Answer(true, row, "Вярно: " + picked + " е от ера " + view_.EraCaption(era) + ".");
  }
  if (!firstMiss_) {
    return Answer(
        false, row,
        "Не е вярно: " + picked + " е от ера " + view_.EraCaption(era) + ". Опитайте пак.");
  }
  Answer(false, row,
         "Не е вярно. От ера " + view_.EraCaption(question.index) +
             " са периодите: " + Joined(RightAnswers(question)) + ".");
}

std::string SelfCheck::AnswerText(const Question& question, std::int16_t answer) const {
  return question.period ? view_.EraCaption(answer) : view_.PeriodName(answer);
}

std::vector<std::string> SelfCheck::RightAnswers(const Question& question) const {
  if (question.period) return {view_.EraCaption(EraOfPeriod(question.index))};
  std::vector<std::string> periods;
  for (std::int16_t row = 0; row < view_.PeriodCount(); ++row) {
    if (EraOfPeriod(row) == question.index) periods.push_back(view_.PeriodName(row));
  }
  return periods;
}

int SelfCheck::Points() const { return std::accumulate(scored_.begin(), scored_.end(), 0); }

// The questions drawn, the points of those ended and the first miss of the one asked:
// "1:p13,e2,p4,p0,e5,p21,p9,e0,p7,p11:2102:4" is the fifth question (about era 5) asked, with a
// first miss on period row 4, after 5 points. Only a round under way has one.
std::string SelfCheck::State() const {
  if (asked_ == kQuestionsPerRound) return {};
  std::string state = std::string(kStateVersion) + ":";
  for (const Question& question : round_) {
    state += (question.period ? "p" : "e") + std::to_string(question.index) +
             (&question == &round_.back() ? ":" : ",");
  }
  for (const int points : scored_) state += static_cast<char>('0' + points);
  state += ":";
  if (firstMiss_) state += std::to_string(*firstMiss_);
  return state;
}

// Takes the round a state describes, if it is one this round could have been in.
bool SelfCheck::Restore(std::string_view state) {
  const std::vector<std::string_view> fields = Fields(state, ':');
  if (fields.size() != 4 || fields[0] != kStateVersion) return false;
  const std::vector<std::string_view> questions = Fields(fields[1], ',');
  if (questions.size() != kQuestionsPerRound) return false;
  std::array<Question, kQuestionsPerRound> round{};
  for (std::size_t at = 0; at < round.size(); ++at) {
    const std::string_view question = questions[at];
    if (question.empty() || (question[0] != 'p' && question[0] != 'e')) return false;
    const bool period = question[0] == 'p';
    const auto index = Number(question.substr(1), (period ? kPeriodCount : kEraCount) - 1);
    if (!index) return false;
    round[at] = {period, *index};
    for (std::size_t before = 0; before < at; ++before) {
      if (round[before].period == period && round[before].index == *index) return false;
    }
  }
  const std::string_view points = fields[2];
  if (points.size() >= kQuestionsPerRound ||
      !std::all_of(points.begin(), points.end(), [](char c) { return c >= '0' && c <= '2'; })) {
    return false;
  }
  const Question& asked = round[points.size()];
  std::optional<std::int16_t> firstMiss;
  if (!fields[3].empty()) {
    firstMiss = Number(fields[3], (asked.period ? kEraCount : kPeriodCount) - 1);
    const bool wrong = firstMiss && (asked.period ? *firstMiss != EraOfPeriod(asked.index)
                                                  : EraOfPeriod(*firstMiss) != asked.index);
    if (!wrong) return false;
  }
  round_ = round;
  asked_ = static_cast<int>(points.size());
  firstMiss_ = firstMiss;
  scored_.clear();
  for (const char c : points) scored_.push_back(c - '0');
  return true;
}

// A right answer or a second miss ends the question; a first miss leaves it a second try.
void SelfCheck::Answer(bool right, std::int16_t answer, const std::string& verdict) {
  const Question question = round_.at(static_cast<std::size_t>(asked_));
  AnswerRecord record;
  if (!right && !firstMiss_) {
    firstMiss_ = answer;
  } else {
    const std::string answers =
        (firstMiss_ ? AnswerText(question, *firstMiss_) + ", " : "") + AnswerText(question, answer);
    record.ended =
        QuestionEnd{question.period, question.index, answers, right, RightAnswers(question)};
    scored_.push_back(right ? (firstMiss_ ? 1 : 2) : 0);
    firstMiss_.reset();
    ++asked_;
  }
  if (asked_ == kQuestionsPerRound) record.points = Points();
  record.state = State();
  Keep(record);
  Show(verdict, asked_ < kQuestionsPerRound ? Asked() : Score());
}

// The round's end: the points, the first tries, what to revise and how to go on.
std::string SelfCheck::Score() const {
  std::vector<std::string> toRevise;
  for (std::size_t at = 0; at < scored_.size(); ++at) {
    if (scored_[at] == 2) continue;
    const Question& missed = round_.at(at);
    toRevise.push_back(missed.period ? view_.PeriodName(missed.index)
                                     : view_.EraCaption(missed.index));
  }
  std::string score = "Край: " + PointsText(Points()) + " от " + std::to_string(kMostPoints) +
                      ".\r\nВерни от първия опит: " +
                      std::to_string(std::count(scored_.begin(), scored_.end(), 2)) + " от " +
                      std::to_string(kQuestionsPerRound) + ".";
  if (!toRevise.empty()) score += "\r\nЗа преговор: " + Joined(toRevise) + ".";
  return score + "\r\nЗа нов кръг посочете ера или период.";
}

void SelfCheck::Keep(const AnswerRecord& answer) {
  if (record_) unkept_ = record_->Keep(answer);
}

// The box's whole text: a first part, an empty line, the question or the score, and while the
// record has not kept every answer, a line that says so; each line ends in CR LF. Both pickers
// are cleared first; a click they raise meanwhile is not an answer.
void SelfCheck::Show(const std::string& first, const std::string& rest) {
  showing_ = true;
  view_.ClearEras();
  view_.SetListIndex(-1);
  std::string text = first;
  if (!text.ends_with(kLineEnd)) text += kLineEnd;
  text += std::string(kLineEnd) + rest + std::string(kLineEnd);
  if (!unkept_.empty()) text += unkept_ + std::string(kLineEnd);
  view_.SetText(text);
  showing_ = false;
}

}  // namespace tarvinel
