#pragma once

#include <set>
#include <string>
#include <vector>

// A self-check round as the user must see it, worked out from the question in the box, the
// tables of the expected reports and the pick. The program draws the questions: the model reads
// each new one from the box, and checks that it is well formed, numbered one on and not yet asked
// in the round. It shares no code with the program.
namespace tarvinel::model {

class RoundModel {
 public:
  // The box as a round opens; what is wrong with it, or empty.
  std::string Opened(const std::string& box);
  // The box as a round broken off goes on in a new launch, where this model left it.
  std::string Resumed(const std::string& box) const;
  // An era (0 to 5) or a period row (0 to 21) given as the answer, and the box after it.
  std::string Answered(bool era, int index, const std::string& box);

  bool Over() const { return number_ == 10 && over_; }
  // The question asked now: about period `subject` (or, where !periodAsked, about era `subject`).
  bool periodAsked() const { return periodAsked_; }
  int subject() const { return subject_; }

 private:
  std::string Question() const;
  std::string Next(const std::string& verdict, const std::string& box);
  std::string TakeQuestion(int number, const std::string& line);

  int number_ = 0;
  bool periodAsked_ = false;
  int subject_ = 0;
  bool missed_ = false;
  bool over_ = false;
  int points_ = 0;
  int firstTries_ = 0;
  std::vector<std::string> revise_;
  std::set<int> asked_;  // periods 0 to 21, eras 22 to 27
};

}  // namespace tarvinel::model
