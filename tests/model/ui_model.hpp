#pragma once

#include <optional>
#include <string>
#include <vector>

// What the user sees after any sequence of clicks and keys, worked out from the rules of the
// program alone: its own small tables (the expected reports), its own focus order, its own key
// rules. It shares no code with the program.
namespace tarvinel::model {

inline constexpr int kFocusOutput = -1;  // 0 to 5: that era's button
inline constexpr int kFocusList = 6;
inline constexpr int kFocusLink = 7;  // a web page's link to the other window's page

// The keys of the alphabet; each window's driver presses them as its toolkit's own keys.
enum class Key { Up, Down, Left, Home, End, PageUp, PageDown, Space, Tab, Backtab, Enter };

struct Action {
  enum class Kind {
    ClickEra,           // mouse click on era button `arg`
    ClickRow,           // mouse click on period row `arg`, scrolled into view
    ReclickCheckedEra,  // mouse click on the checked era button, if one is checked
    CtrlClickSelected,  // Ctrl+click on the selected row (the first row when none is)
    ClickBelowRows,     // mouse click on the list's empty space below its last row
    Key,                // key `arg` (a Key) on whatever has the focus
  } kind;
  int arg = 0;
};

// Every action of the alphabet; a self-check's has Enter too.
std::vector<Action> Alphabet(bool selfCheck = false);
std::string Describe(const Action& action);
std::string Describe(const std::vector<Action>& actions);

struct Screen {
  std::optional<int> checkedEra;
  int selectedRow = -1;
  std::string text;  // as the program keeps it, CR LF line endings
  int focus = kFocusOutput;
};

// Where a window's own controls behave differently from the rules below, as its platform makes
// them behave.
struct Rules {
  // Up, Left and Down move among the era buttons in a ring, and the button that gets the focus
  // is picked unless it is already checked, whichever button was checked before.
  bool erasArrowsPickInARing = false;
  // With no row selected, every navigation key and Space select the list's caret row: the row
  // last selected, which an era pick leaves in place, or the first row at start.
  bool listKeysFromCaret = false;
  // A self-check window: the box asks, a click, a tap, Space or Enter answers, keys that only move
  // never do, and every answer clears both pickers.
  bool selfCheck = false;
  // A web page: after the designed stops, Tab reaches the link to the other window's page.
  bool pageLink = false;
};

// An answer given in a self-check: an era, or a period row.
struct Answer {
  bool era;
  int index;
};

class Model {
 public:
  Model(std::string statement, int pageStep, Rules rules = {});

  void Apply(const Action& action);
  const Screen& screen() const { return screen_; }
  // In a self-check: what the last action answered, if it answered.
  const std::optional<Answer>& answered() const { return answered_; }
  // Whether the action leaves the window: Enter on the page's link opens the other page.
  bool LeavesWindow(const Action& action) const;
  // The box's new text, which a self-check's round decides.
  void Show(std::string text) { screen_.text = std::move(text); }

 private:
  void PickEra(int era);
  void PickRow(int row);
  void ListKey(int key);
  std::optional<int> ListKeyTarget(int key) const;
  void EraKey(int era, int key);
  void ApplySelfCheck(const Action& action);
  void AnswerWith(bool era, int index);
  void MoveFocus(bool forward);

  Screen screen_;
  int pageStep_;
  Rules rules_;
  int caret_ = 0;  // the list's caret row, where the platform keeps one
  std::optional<Answer> answered_;
};

}  // namespace tarvinel::model
