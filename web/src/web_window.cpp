#include "tarvinel/web_window.hpp"

#include <emscripten/console.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>

#include "dom.hpp"
#include "platform.hpp"
#include "tarvinel/design.hpp"
#include "tarvinel/scorm12_record.hpp"
#include "tarvinel/self_check.hpp"
#include "tarvinel/web_page.hpp"

namespace tarvinel::web {
namespace {

// Which of `count` controls, named by `id`, the element `target` is; -1 when none.
int IndexOf(const std::string& target, std::string (*id)(int), int count) {
  for (int each = 0; each < count; ++each) {
    if (id(each) == target) return each;
  }
  return -1;
}

std::string StopId(design::FocusStop stop) {
  switch (stop.kind) {
    case design::FocusStop::Kind::EraButton:
      return EraId(stop.era);
    case design::FocusStop::Kind::PeriodList:
      return kListId;
    case design::FocusStop::Kind::OutputBox:
      break;
  }
  return kOutputId;
}

// The first letter of a text, as a lower-case code point (Latin and Cyrillic capitals folded).
std::optional<char32_t> FirstLetter(const std::string& text) {
  if (text.empty()) return std::nullopt;
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  char32_t code = byte(0);
  if (code >= 0xC0 && code < 0xE0 && text.size() >= 2) {
    code = ((code & 0x1F) << 6) | (byte(1) & 0x3F);
  } else if (code >= 0x80) {
    return std::nullopt;  // nothing of the catalogue starts beyond two bytes
  }
  if (code >= U'A' && code <= U'Z') return code + 0x20;
  if (code >= 0x410 && code <= 0x42F) return code + 0x20;
  if (code >= 0x400 && code <= 0x40F) return code + 0x50;
  return code;
}

bool Dispatched(void* window, const dom::Event& event) {
  return static_cast<Tarvinel*>(window)->OnPageEvent(event);
}

bool Packaged() { return dom::Attribute(kRootId, kPackageAttribute) == kScorm12Package; }

void Closed(void* record) { static_cast<Scorm12Record*>(record)->Close(); }

}  // namespace

// Click -> coordinator -> report -> box: a user's pick first changes the control as the platform's
// own control would (the era's button checked, the row selected), then reaches the coordinator as
// Option1_Click or List1_Click, which composes the report from what the page shows and writes it
// into the box through SetText; SetText hands it to the live regions too.
Tarvinel::Tarvinel() {
  // A control the page lacks cannot be bound: the page is not this module's, and would look
  // alive while answering nothing. Says so on the console, and leaves the page unbound.
  std::string controls =
      std::string(kListId) + " " + kEraNumbersId + " " + kOutputId + " " + kLinkId;
  for (int era = 0; era < kEraCount; ++era) controls += " " + EraId(era);
  for (int row = 0; row < kPeriodCount; ++row) controls += " " + RowId(row);
  if (const std::string missing = dom::Missing(controls); !missing.empty()) {
    emscripten_console_error(("tarvinel: cannot bind " + missing).c_str());
    return;
  }
  if (dom::Attribute(kRootId, "data-purpose") == "self-check") {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    selfCheck_ = std::make_unique<SelfCheck>(
        *this, static_cast<std::uint32_t>(
                   std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
    if (Packaged()) platform_ = PagePlatform::Find();
    if (platform_) {
      record_ = std::make_unique<Scorm12Record>(*platform_, [] {
        return std::chrono::milliseconds(static_cast<long long>(emscripten_get_now()));
      });
      selfCheck_->Open(*record_);
      OnPageHide(Closed, record_.get());
    } else {
      selfCheck_->Start();
    }
  }
  // A page in another page's frame, as a learning platform shows one, may have its autofocus
  // passed over: the box takes the focus where nothing has it, as the window opens with it there.
  if (dom::FocusedId().empty()) dom::Focus(kOutputId);
  dom::Listen(Dispatched, this);
  // The list opens at its top, so its first row is in view: scrolling to it would only make the
  // browser lay the page out before the first click can be answered.
  dom::ToggleClass(RowId(caret_), "caret", true);
  dom::MarkReady(kRootId);
}

Tarvinel::~Tarvinel() = default;

// A click on an era's button picks it; a press of the main mouse button on a row picks the row,
// and in a self-check answers with it even when it was already selected. Keys go to the era or
// the list they are pressed on, and Tab, from anywhere, to the focus order.
bool Tarvinel::OnPageEvent(const dom::Event& event) {
  using Kind = dom::Event::Kind;
  if (event.kind == Kind::Click) {
    if (const int era = IndexOf(event.target, EraId, kEraCount); era >= 0) OnEraClick(era);
    return false;
  }
  if (event.kind == Kind::MouseDown) {
    const int row = IndexOf(event.target, RowId, kPeriodCount);
    if (row >= 0 && event.button == 0) {
      PickRow(row);
      if (!Picks().MovesPick()) Picks().List1_Click(0);
    }
    return false;
  }
  const bool modified = event.ctrl || event.alt || event.meta;
  bool handled = false;
  if (const int era = IndexOf(event.target, EraId, kEraCount); era >= 0) {
    handled = OnEraKey(era, event.key);
  } else if (event.target == kListId && !modified) {
    handled = OnListKey(event.key);
  }
  // WebKitGTK names Shift+Tab's key "Unidentified"; the key's code is still "Tab".
  const bool tab = event.key == "Tab" || event.code == "Tab";
  if (tab && !modified) handled = OnTab(!event.shift) || handled;
  return handled;
}

std::int16_t Tarvinel::PeriodCount() const {
  return static_cast<std::int16_t>(dom::ChildCount(kListId));
}

std::string Tarvinel::PeriodName(std::int16_t row) const { return dom::Text(RowId(row)); }

std::string Tarvinel::EraNumberText(std::int16_t row) const {
  return dom::ChildText(kEraNumbersId, row);
}

std::string Tarvinel::EraCaption(std::int16_t era) const { return dom::Text(EraId(era)); }

std::int16_t Tarvinel::ListIndex() const {
  return static_cast<std::int16_t>(dom::SelectedChild(kListId));
}

// Clearing the selection leaves the caret where it was, as a list box does.
void Tarvinel::SetListIndex(std::int16_t row) {
  const std::int16_t selected = ListIndex();
  if (selected == row) return;
  if (selected >= 0) dom::SetAttribute(RowId(selected), "aria-selected", "false");
  if (row < 0 || row >= PeriodCount()) {
    dom::RemoveAttribute(kListId, "aria-activedescendant");
    return;
  }
  dom::SetAttribute(RowId(row), "aria-selected", "true");
  MarkCaret(row);
  // A screen reader hears a row when it becomes the list's active one: only a selected row is,
  // so the first pick in the list is heard even when it falls on the caret's row.
  dom::SetAttribute(kListId, "aria-activedescendant", RowId(row));
}

void Tarvinel::SelectEra(std::int16_t era) {
  for (int each = 0; each < kEraCount; ++each) {
    dom::SetAttribute(EraId(each), "aria-checked", each == era ? "true" : "false");
  }
}

void Tarvinel::ClearEras() { SelectEra(-1); }

// The page's text box keeps LF alone; the window's text has CR LF, as written.
std::string Tarvinel::Text() const {
  const std::string shown = dom::Text(kOutputId);
  std::string text;
  text.reserve(shown.size() + 16);
  for (const char c : shown) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return text;
}

void Tarvinel::SetText(std::string text) {
  dom::SetValue(kOutputId, text);
  std::erase(text, '\r');
  while (!text.empty() && text.back() == '\n') text.pop_back();
  dom::Announce(text);
}

PickHandler& Tarvinel::Picks() {
  if (selfCheck_) return *selfCheck_;
  return coordinator_;
}

void Tarvinel::OnEraClick(int era) {
  SelectEra(static_cast<std::int16_t>(era));
  Picks().Option1_Click(static_cast<std::int16_t>(era));
}

// Space picks the era, and in a self-check Enter too; Up and Down move to the neighbouring era,
// and pick it when the era left was the checked one (a self-check only checks it). Arrows never
// scroll the page from an era.
bool Tarvinel::OnEraKey(int era, const std::string& key) {
  if (key == " " || (key == "Enter" && !Picks().MovesPick())) {
    OnEraClick(era);
    return true;
  }
  if (key == "ArrowLeft" || key == "ArrowRight") return true;
  if (key != "ArrowUp" && key != "ArrowDown") return false;
  const int next = std::clamp(era + (key == "ArrowDown" ? 1 : -1), 0, kEraCount - 1);
  if (next == era) return true;
  const bool wasChecked = dom::Attribute(EraId(era), "aria-checked") == "true";
  dom::Focus(EraId(next));
  if (wasChecked && Picks().MovesPick()) {
    OnEraClick(next);
  } else if (wasChecked) {
    SelectEra(static_cast<std::int16_t>(next));
  }
  return true;
}

// Keys move from the selected row; from no selection they pick the first row (End the last).
// Left and Right move like Up and Down. Space picks the first row when none is selected. A typed
// letter picks the next row, round from the top, whose name starts with it. In a self-check they
// only select, and Space or Enter answers with the selected row.
bool Tarvinel::OnListKey(const std::string& key) {
  const bool answers = (key == " " || key == "Enter") && !Picks().MovesPick();
  if (answers && ListIndex() >= 0) {
    Picks().List1_Click(0);
    return true;
  }
  const int from = ListIndex();
  const int last = PeriodCount() - 1;
  const int page = std::max(dom::VisibleRows(kListId, RowId(0)) - 1, 1);
  const auto step = [&](int by) { return from < 0 ? 0 : std::clamp(from + by, 0, last); };
  if (key == "ArrowUp" || key == "ArrowLeft") {
    PickRow(step(-1));
  } else if (key == "ArrowDown" || key == "ArrowRight") {
    PickRow(step(1));
  } else if (key == "Home") {
    PickRow(0);
  } else if (key == "End") {
    PickRow(last);
  } else if (key == "PageUp") {
    PickRow(step(-page));
  } else if (key == "PageDown") {
    PickRow(step(page));
  } else if (key == " " || answers) {
    PickRow(step(0));
  } else if (const auto letter = FirstLetter(key); letter && key.size() <= 2) {
    const int start = from < 0 ? caret_ : from;
    for (int offset = 1; offset <= last + 1; ++offset) {
      const int row = (start + offset) % (last + 1);
      if (FirstLetter(PeriodName(static_cast<std::int16_t>(row))) == letter) {
        PickRow(row);
        break;
      }
    }
  } else {
    return false;
  }
  return true;
}

// The designed window's stops, then the link to the other page.
bool Tarvinel::OnTab(bool forward) {
  std::array<std::string, design::kFocusOrder.size() + 1> stops;
  std::transform(design::kFocusOrder.begin(), design::kFocusOrder.end(), stops.begin(), StopId);
  stops.back() = kLinkId;
  const auto at = std::find(stops.begin(), stops.end(), dom::FocusedId());
  std::size_t next = forward ? 0 : stops.size() - 1;
  if (at != stops.end()) {
    next =
        design::NextFocusStop(static_cast<std::size_t>(at - stops.begin()), forward, stops.size());
  }
  dom::Focus(stops.at(next));
  return true;
}

// Selecting the row moves the caret to it too; a row already selected keeps only the caret there.
// The pick is reported where picks are made by moving.
void Tarvinel::PickRow(int row) {
  if (row == ListIndex()) {
    MarkCaret(row);
    return;
  }
  SetListIndex(static_cast<std::int16_t>(row));
  if (Picks().MovesPick()) Picks().List1_Click(0);
}

void Tarvinel::MarkCaret(int row) {
  dom::ToggleClass(RowId(caret_), "caret", false);
  caret_ = row;
  dom::ToggleClass(RowId(row), "caret", true);
  dom::ScrollIntoView(RowId(row));
}

// Only a browser that installs the page reads its manifest and home-screen icon, and only a
// second visit uses the service worker, which fetches and stores every file again. Each, linked
// or started with the page, takes the processor from the first answer on a cold start; so all
// come a second after the page is bound.
// A package's pages live on the platform's origin, which every course and student shares.
void EnableInstalling() {
  if (Packaged()) return;
  dom::OfferInstalling(kManifestFile, kTouchIconFile, kServiceWorkerFile);
}

}  // namespace tarvinel::web
