#include "web_driver.hpp"

#include <algorithm>

namespace tarvinel::testing {
namespace {

// What the page shows: the checked eras, the selected rows, the box's text and the focus.
constexpr const char* kScreen = R"((() => {
  const ids = (selector) => [...document.querySelectorAll(selector)].map((e) => e.id);
  return {checked: ids('.era[aria-checked="true"]'), selected: ids('.row[aria-selected="true"]'),
          text: document.getElementById("Text1_0").value,
          focus: document.activeElement ? document.activeElement.id : ""};
})())";

int Suffix(const std::string& id) { return std::stoi(id.substr(id.find_last_of("_-") + 1)); }

}  // namespace

std::string WebDriver::About(const std::string& expression) const {
  if (!frame_) return expression;
  return "((document) => (" + expression + "))(document.querySelector('iframe').contentDocument)";
}

Json WebDriver::InPage(const std::string& expression) const {
  return browser_.Evaluate(About(expression));
}

bool WebDriver::Open() {
  browser_.Navigate(url_);
  browser_.AwaitTrue(
      About("document && document.getElementById('Tarvinel')?.hasAttribute('data-ready')"));
  return true;
}

Box WebDriver::Bounds(const std::string& id) const {
  const Json box = InPage("(() => { const r = document.getElementById('" + id +
                          "').getBoundingClientRect(); return [r.left, r.top, "
                          "r.width, r.height]; })()");
  return {box[0], box[1], box[2], box[3]};
}

void WebDriver::Pick(const Box& box, double x, int modifiers) {
  if (touch_ && modifiers == 0) {
    browser_.Tap(box.CentreX(), box.CentreY());
  } else {
    browser_.Click(box.left + x, box.CentreY(), modifiers);
  }
}

void WebDriver::ClickEra(int era, int modifiers) {
  Pick(Bounds("Option1_" + std::to_string(era)), 40, modifiers);
}

void WebDriver::ClickRow(int row, int modifiers) {
  const std::string id = "List1_0-" + std::to_string(row);
  InPage("document.getElementById('" + id + "').scrollIntoView({block: 'nearest'})");
  Pick(Bounds(id), 20, modifiers);
}

void WebDriver::Key(model::Key key) {
  switch (key) {
    case model::Key::Up:
      return browser_.Press("ArrowUp");
    case model::Key::Down:
      return browser_.Press("ArrowDown");
    case model::Key::Left:
      return browser_.Press("ArrowLeft");
    case model::Key::Home:
      return browser_.Press("Home");
    case model::Key::End:
      return browser_.Press("End");
    case model::Key::PageUp:
      return browser_.Press("PageUp");
    case model::Key::PageDown:
      return browser_.Press("PageDown");
    case model::Key::Space:
      return browser_.Press(" ");
    case model::Key::Tab:
      return browser_.Press("Tab");
    case model::Key::Backtab:
      return browser_.Press("Tab", kShift);
    case model::Key::Enter:
      return browser_.Press("Enter");
  }
}

void WebDriver::Do(const model::Action& action) {
  using Kind = model::Action::Kind;
  switch (action.kind) {
    case Kind::ClickEra:
      return ClickEra(action.arg);
    case Kind::ClickRow:
      return ClickRow(action.arg);
    case Kind::ReclickCheckedEra:
      if (const auto era = CheckedEra()) ClickEra(*era);
      return;
    case Kind::CtrlClickSelected:
      return ClickRow(std::max(SelectedRow(), 0), kCtrl);
    case Kind::ClickBelowRows: {
      InPage("document.getElementById('List1_0').scrollTop = 1e6");
      const Box last = Bounds("List1_0-21");
      const Box list = Bounds("List1_0");
      if (last.top + last.height + 2 < list.top + list.height - 1) {
        browser_.Click(last.left + 20, last.top + last.height + 2);
      }
      return;
    }
    case Kind::Key:
      return Key(static_cast<model::Key>(action.arg));
  }
}

model::Screen WebDriver::Seen() const {
  const Json shown = InPage(kScreen);
  model::Screen seen;
  if (!shown["checked"].empty()) seen.checkedEra = Suffix(shown["checked"][0]);
  if (!shown["selected"].empty()) seen.selectedRow = Suffix(shown["selected"][0]);
  // The page's text box keeps LF alone; a copy of it, as the window's text, has CR LF.
  for (const char c : shown["text"].get<std::string>()) {
    if (c == '\n') seen.text += '\r';
    seen.text += c;
  }
  const std::string focus = shown["focus"];
  seen.focus = 100;
  if (focus == "Text1_0") seen.focus = model::kFocusOutput;
  if (focus == "List1_0") seen.focus = model::kFocusList;
  if (focus == "Link1") seen.focus = model::kFocusLink;
  if (focus.starts_with("Option1_")) seen.focus = Suffix(focus);
  return seen;
}

std::string WebDriver::Inconsistency() const {
  const Json shown = InPage(kScreen);
  std::string found;
  if (shown["checked"].size() > 1) found += " more than one era checked;";
  if (shown["selected"].size() > 1) found += " more than one row selected;";
  return found;
}

int WebDriver::PageStep() const {
  return InPage(
             "Math.floor(document.getElementById('List1_0').clientHeight / "
             "document.getElementById('List1_0-0').offsetHeight) - 1")
      .get<int>();
}

}  // namespace tarvinel::testing
