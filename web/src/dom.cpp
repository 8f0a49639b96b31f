#include "dom.hpp"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>

// Strings cross into the page as UTF-8 and come back as UTF-8 the page allocates
// (tarvinelCopy, in module_start.js).
// clang-format off
EM_JS(char*, tarvinel_text, (const char* id), {
  var element = document.getElementById(UTF8ToString(id));
  var text = !element ? "" : element.tagName == "TEXTAREA" ? element.value : element.textContent;
  return tarvinelCopy(text);
});

EM_JS(void, tarvinel_set_value, (const char* id, const char* text), {
  var box = document.getElementById(UTF8ToString(id));
  box.value = UTF8ToString(text);
  box.setSelectionRange(0, 0);
  box.scrollTop = 0;
});

EM_JS(char*, tarvinel_attribute, (const char* id, const char* name), {
  var value = document.getElementById(UTF8ToString(id)).getAttribute(UTF8ToString(name)) || "";
  return tarvinelCopy(value);
});

EM_JS(void, tarvinel_set_attribute, (const char* id, const char* name, const char* value), {
  document.getElementById(UTF8ToString(id)).setAttribute(UTF8ToString(name), UTF8ToString(value));
});

EM_JS(void, tarvinel_remove_attribute, (const char* id, const char* name), {
  document.getElementById(UTF8ToString(id)).removeAttribute(UTF8ToString(name));
});

EM_JS(void, tarvinel_toggle_class, (const char* id, const char* name, int on), {
  document.getElementById(UTF8ToString(id)).classList.toggle(UTF8ToString(name), on != 0);
});

EM_JS(void, tarvinel_listen, (), {
  function forward(kind, event) {
    var element = event.target.closest ? event.target.closest("[id]") : null;
    var texts = [element ? element.id : "", event.key || "", event.code || ""].map(tarvinelCopy);
    var flags = (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0) |
                (event.metaKey ? 8 : 0);
    var handled = _tarvinel_page_event(kind, texts[0], texts[1], texts[2], event.button || 0, flags);
    texts.forEach(function(copy) { _free(copy); });
    if (handled) event.preventDefault();
  }
  document.addEventListener("click", function(event) { forward(0, event); });
  document.addEventListener("mousedown", function(event) { forward(1, event); });
  document.addEventListener("keydown", function(event) { forward(2, event); });
});

EM_JS(char*, tarvinel_missing, (const char* ids), {
  var missing = UTF8ToString(ids).split(" ").filter(function(id) {
    return !document.getElementById(id);
  }).join(" ");
  return tarvinelCopy(missing);
});

EM_JS(int, tarvinel_selected_child, (const char* id), {
  var children = document.getElementById(UTF8ToString(id)).children;
  for (var index = 0; index < children.length; ++index) {
    if (children[index].getAttribute("aria-selected") == "true") return index;
  }
  return -1;
});

EM_JS(int, tarvinel_child_count, (const char* id), {
  return document.getElementById(UTF8ToString(id)).childElementCount;
});

EM_JS(char*, tarvinel_child_text, (const char* id, int index), {
  var child = document.getElementById(UTF8ToString(id)).children[index];
  var text = child ? child.textContent : "";
  return tarvinelCopy(text);
});

EM_JS(void, tarvinel_focus, (const char* id), {
  document.getElementById(UTF8ToString(id)).focus();
});

EM_JS(char*, tarvinel_focused_id, (), {
  var id = document.activeElement ? document.activeElement.id : "";
  return tarvinelCopy(id);
});

EM_JS(void, tarvinel_scroll_into_view, (const char* id), {
  document.getElementById(UTF8ToString(id)).scrollIntoView({block: "nearest", inline: "nearest"});
});

EM_JS(int, tarvinel_visible_rows, (const char* id, const char* rowId), {
  return Math.floor(document.getElementById(UTF8ToString(id)).clientHeight /
                    document.getElementById(UTF8ToString(rowId)).offsetHeight);
});

EM_JS(void, tarvinel_announce, (const char* text), {
  var report = UTF8ToString(text);
  setTimeout(function() {
    var first = document.getElementById("Announce_0");
    var second = document.getElementById("Announce_1");
    var speaking = first.textContent ? second : first;
    var silent = speaking == first ? second : first;
    silent.textContent = "";
    speaking.textContent = report;
  }, 0);
});

EM_JS(void, tarvinel_mark_ready, (const char* id), {
  document.getElementById(UTF8ToString(id)).setAttribute("data-ready", "");
});

EM_JS(void, tarvinel_offer_installing, (const char* manifest, const char* icon, const char* worker), {
  var links = {"manifest": UTF8ToString(manifest), "apple-touch-icon": UTF8ToString(icon)};
  var script = UTF8ToString(worker);
  setTimeout(function() {
    Object.keys(links).forEach(function(rel) {
      var link = document.createElement("link");
      link.rel = rel;
      link.href = links[rel];
      document.head.appendChild(link);
    });
    if ("serviceWorker" in navigator) {
      navigator.serviceWorker.register(script).catch(function(error) {
        console.warn("tarvinel works online only: " + error);
      });
    }
  }, 1000);
});
// clang-format on

namespace {

std::string Taken(char* text) {
  const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
  return owned ? std::string(owned.get()) : std::string();
}

tarvinel::web::dom::Handler listener = nullptr;
void* listenerData = nullptr;

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE int tarvinel_page_event(int kind, const char* target,
                                                        const char* key, const char* code,
                                                        int button, int flags) {
  using tarvinel::web::dom::Event;
  if (!listener) return 0;
  const Event event{static_cast<Event::Kind>(kind),
                    target,
                    key,
                    code,
                    button,
                    (flags & 1) != 0,
                    (flags & 2) != 0,
                    (flags & 4) != 0,
                    (flags & 8) != 0};
  return listener(listenerData, event) ? 1 : 0;
}

namespace tarvinel::web::dom {

std::string Text(const std::string& id) { return Taken(tarvinel_text(id.c_str())); }

void SetValue(const std::string& id, const std::string& text) {
  tarvinel_set_value(id.c_str(), text.c_str());
}

std::string Attribute(const std::string& id, const char* name) {
  return Taken(tarvinel_attribute(id.c_str(), name));
}

void SetAttribute(const std::string& id, const char* name, const std::string& value) {
  tarvinel_set_attribute(id.c_str(), name, value.c_str());
}

void RemoveAttribute(const std::string& id, const char* name) {
  tarvinel_remove_attribute(id.c_str(), name);
}

void ToggleClass(const std::string& id, const char* name, bool on) {
  tarvinel_toggle_class(id.c_str(), name, on ? 1 : 0);
}

void Listen(Handler handler, void* data) {
  listener = handler;
  listenerData = data;
  tarvinel_listen();
}

std::string Missing(const std::string& ids) { return Taken(tarvinel_missing(ids.c_str())); }

int ChildCount(const std::string& id) { return tarvinel_child_count(id.c_str()); }
int SelectedChild(const std::string& id) { return tarvinel_selected_child(id.c_str()); }
std::string ChildText(const std::string& id, int index) {
  return Taken(tarvinel_child_text(id.c_str(), index));
}

void Focus(const std::string& id) { tarvinel_focus(id.c_str()); }
std::string FocusedId() { return Taken(tarvinel_focused_id()); }
void ScrollIntoView(const std::string& id) { tarvinel_scroll_into_view(id.c_str()); }

int VisibleRows(const std::string& id, const std::string& rowId) {
  return tarvinel_visible_rows(id.c_str(), rowId.c_str());
}

void Announce(const std::string& text) { tarvinel_announce(text.c_str()); }
void MarkReady(const std::string& id) { tarvinel_mark_ready(id.c_str()); }
void OfferInstalling(const char* manifest, const char* icon, const char* worker) {
  tarvinel_offer_installing(manifest, icon, worker);
}

}  // namespace tarvinel::web::dom
