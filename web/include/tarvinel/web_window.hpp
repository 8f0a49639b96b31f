#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "tarvinel/coordinator.hpp"
#include "tarvinel/tarvinel_view.hpp"

namespace tarvinel {
class SelfCheck;
class Scorm12Record;
}  // namespace tarvinel

namespace tarvinel::web {

namespace dom {
struct Event;
}
class PagePlatform;

// A window of the web edition: the page's controls, already drawn from the design, bound to the
// coordinator, or on the self-check's page to a round. Every read goes to the page itself (a row's
// name, an era's caption, the box's text), as the user sees it. The page raises no click from the
// program's own writes, so the coordinator's guard is never needed here, yet it is the same
// coordinator. In a learning platform's package, the self-check keeps its results in the platform.
class Tarvinel : public TarvinelView {
 public:
  // Binds the page's controls; the window lives as long as the page.
  Tarvinel();
  Tarvinel(const Tarvinel&) = delete;
  Tarvinel& operator=(const Tarvinel&) = delete;
  ~Tarvinel() override;

  std::int16_t PeriodCount() const override;
  std::string PeriodName(std::int16_t row) const override;
  std::string EraNumberText(std::int16_t row) const override;
  std::string EraCaption(std::int16_t era) const override;
  std::int16_t ListIndex() const override;
  void SetListIndex(std::int16_t row) override;
  void SelectEra(std::int16_t era) override;
  void ClearEras() override;
  std::string Text() const override;
  void SetText(std::string text) override;

  // What the page's click, mouse press or key press does; true when the page is to do nothing
  // more with it.
  bool OnPageEvent(const dom::Event& event);

 private:
  // What a key does where it is pressed; true when the page is to do nothing more with it.
  bool OnEraKey(int era, const std::string& key);
  bool OnListKey(const std::string& key);
  bool OnTab(bool forward);
  void OnEraClick(int era);
  // Selects `row` and, where moving picks, reports it, when it is not already selected.
  void PickRow(int row);
  PickHandler& Picks();
  void MarkCaret(int row);

  Coordinator coordinator_{*this};
  std::unique_ptr<SelfCheck> selfCheck_;
  std::unique_ptr<PagePlatform> platform_;
  std::unique_ptr<Scorm12Record> record_;
  int caret_ = 0;  // the row the list's keys and focus frame stand on
};

// Lets the browser install the page on a home screen, and keep its files, so that after one
// visit it opens with no network; a page of a platform's package installs nothing.
void EnableInstalling();

}  // namespace tarvinel::web
