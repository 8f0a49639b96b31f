#pragma once

#include <cstdint>
#include <string>

#include "tarvinel/catalogue.hpp"

namespace tarvinel {

// How the window and the selection logic meet. A user's click on an era button or a period row
// reaches the Coordinator as Option1_Click or List1_Click; the coordinator reads the catalogue
// through the controls (the CatalogueSource reads), moves the selection on the other side, composes
// the report and writes it into the output box with SetText. A window that raises a control's click
// from inside a program's own write (SetListIndex, SelectEra) must do so synchronously, before the
// write returns, or not at all: the coordinator's ClickGuard turns such nested clicks into no-ops,
// and a click queued for later would find the guard already cleared.
class TarvinelView : public CatalogueSource {
 public:
  // List1(0).ListIndex: the selected period row, -1 for none.
  virtual std::int16_t ListIndex() const = 0;
  virtual void SetListIndex(std::int16_t row) = 0;
  // Option1(era).Value = true: checks that era's button, the group unchecks the others.
  virtual void SelectEra(std::int16_t era) = 0;
  // Unchecks every era's button.
  virtual void ClearEras() = 0;
  // Text1(0).Text: exactly what was last written, CR LF line endings included.
  virtual std::string Text() const = 0;
  virtual void SetText(std::string text) = 0;
};

// What a window's two pickers report to: the designed window's Coordinator, or a self-check round
// (SelfCheck), which the window holds in its place.
class PickHandler {
 public:
  virtual ~PickHandler() = default;
  virtual void Option1_Click(std::int16_t Index) = 0;
  virtual void List1_Click(std::int16_t Index) = 0;
  // Whether a key that only moves through a picker (an arrow, Home, End, a page key, a typed
  // letter) picks what it reaches. Where it does not, only a click, a tap, Space or Enter picks:
  // the window then reports Space and Enter on an era's button or on the selected row as a click.
  virtual bool MovesPick() const { return true; }

 protected:
  PickHandler() = default;
  PickHandler(const PickHandler&) = default;
  PickHandler& operator=(const PickHandler&) = default;
};

}  // namespace tarvinel
