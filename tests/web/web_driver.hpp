#pragma once

#include <optional>
#include <string>

#include "browser.hpp"
#include "model_check.hpp"

namespace tarvinel::testing {

struct Box {
  double left, top, width, height;
  double CentreX() const { return left + width / 2; }
  double CentreY() const { return top + height / 2; }
};

// The web edition in a browser, driven by the browser's own mouse and key input and read from
// what the page shows. With `frame`, the page at `url` shows the web edition in its one frame,
// which fills the page's view.
class WebDriver : public model::Driver {
 public:
  WebDriver(Browser& browser, std::string url, bool frame = false)
      : browser_(browser), url_(std::move(url)), frame_(frame) {}

  bool Open() override;
  void Do(const model::Action& action) override;
  model::Screen Seen() const override;
  std::string Inconsistency() const override;
  int PageStep() const override;

  // Where an element is drawn, in the page's CSS pixels.
  Box Bounds(const std::string& id) const;
  // A pick of an era or a row: a click, or with touch on and no key held, a tap at its centre.
  void ClickEra(int era, int modifiers = 0);
  void ClickRow(int row, int modifiers = 0);
  void UseTouch(bool touch) { touch_ = touch; }
  void Key(model::Key key);
  std::optional<int> CheckedEra() const { return Seen().checkedEra; }
  int SelectedRow() const { return Seen().selectedRow; }

 private:
  void Pick(const Box& box, double x, int modifiers);
  // An expression about the web edition's `document`, as one about the page at `url`; its value.
  std::string About(const std::string& expression) const;
  Json InPage(const std::string& expression) const;

  Browser& browser_;
  std::string url_;
  bool frame_;
  bool touch_ = false;
};

}  // namespace tarvinel::testing
