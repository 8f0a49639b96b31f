#pragma once

#include <string>

// The few things the web window asks of the page, each by an element's id.
namespace tarvinel::web::dom {

// A click, a mouse press or a key press anywhere on the page.
struct Event {
  enum class Kind { Click, MouseDown, KeyDown };
  Kind kind;
  std::string target;  // the id of the element it happened on, or of its nearest ancestor with one
  std::string key;     // a key press's key and code, as the browser names them
  std::string code;
  int button;  // a mouse press's button, 0 for the main one
  bool shift;
  bool ctrl;
  bool alt;
  bool meta;
};
// What handles the page's events: true when the page is to do nothing more with the event.
using Handler = bool (*)(void* data, const Event& event);
// Hands every click, mouse press and key press on the page to `handler`, once the elements it
// happened on have had it.
void Listen(Handler handler, void* data);
// Which of the space-separated ids no element of the page has, separated the same way.
std::string Missing(const std::string& ids);

// A text box's value, or any other element's text.
std::string Text(const std::string& id);
// A text box's whole value, with its caret and view back at the start.
void SetValue(const std::string& id, const std::string& text);
std::string Attribute(const std::string& id, const char* name);
void SetAttribute(const std::string& id, const char* name, const std::string& value);
void RemoveAttribute(const std::string& id, const char* name);
void ToggleClass(const std::string& id, const char* name, bool on);
int ChildCount(const std::string& id);
// The number of the first child whose aria-selected is "true", or -1.
int SelectedChild(const std::string& id);
// The text of the element's child number `index`.
std::string ChildText(const std::string& id, int index);
void Focus(const std::string& id);
std::string FocusedId();
void ScrollIntoView(const std::string& id);
// How many whole rows, each as tall as the row `rowId`, a scrolling box shows.
int VisibleRows(const std::string& id, const std::string& rowId);
// Hands `text` to the page's polite live regions once the event being handled has ended, so a
// screen reader speaks it after what the control itself says.
void Announce(const std::string& text);
void MarkReady(const std::string& id);
// A second from now: links the page to its manifest and its home-screen icon, and registers its
// service worker.
void OfferInstalling(const char* manifest, const char* icon, const char* worker);

}  // namespace tarvinel::web::dom
