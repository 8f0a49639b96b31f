#include "platform.hpp"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdlib>

// The platform's API is found as SCORM 1.2 has content find it: in this window's parents, then
// in its opener's. A window of another origin throws at a touch; it is passed by. Each call is
// guarded too: a platform's exception is a refusal, never the page's end.
// clang-format off
EM_JS(int, tarvinel_find_platform, (), {
  function above(from) {
    for (var win = from, depth = 0; win && depth < 16; ++depth) {
      try {
        if (win.API && typeof win.API.LMSInitialize == "function") return win.API;
      } catch (foreign) {}
      var parent = null;
      try { parent = win.parent; } catch (foreign) {}
      if (!parent || parent === win) break;
      win = parent;
    }
    return null;
  }
  var opener = null;
  try { opener = window.opener; } catch (foreign) {}
  Module["tarvinelPlatform"] = above(window) || (opener ? above(opener) : null);
  return Module["tarvinelPlatform"] ? 1 : 0;
});

EM_JS(char*, tarvinel_platform_call, (const char* method, int count, const char* first,
                                      const char* second), {
  var answer = "false";
  try {
    var api = Module["tarvinelPlatform"];
    var args = [UTF8ToString(first), UTF8ToString(second)].slice(0, count);
    answer = String(api[UTF8ToString(method)].apply(api, args));
  } catch (refused) {}
  return tarvinelCopy(answer);
});

EM_JS(void, tarvinel_on_page_hide, (), {
  window.addEventListener("pagehide", function() { _tarvinel_page_hide(); });
});
// clang-format on

namespace {

std::string Call(const char* method, int count = 1, const std::string& first = {},
                 const std::string& second = {}) {
  char* answer = tarvinel_platform_call(method, count, first.c_str(), second.c_str());
  std::string text = answer ? answer : "";
  std::free(answer);
  return text;
}

void (*hideHandler)(void*) = nullptr;
void* hideData = nullptr;

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void tarvinel_page_hide() {
  if (hideHandler) hideHandler(hideData);
}

namespace tarvinel::web {

std::unique_ptr<PagePlatform> PagePlatform::Find() {
  if (!tarvinel_find_platform()) return nullptr;
  return std::unique_ptr<PagePlatform>(new PagePlatform());
}

bool PagePlatform::LMSInitialize() { return Call("LMSInitialize") == "true"; }
std::string PagePlatform::LMSGetValue(const std::string& element) {
  return Call("LMSGetValue", 1, element);
}
bool PagePlatform::LMSSetValue(const std::string& element, const std::string& value) {
  return Call("LMSSetValue", 2, element, value) == "true";
}
bool PagePlatform::LMSCommit() { return Call("LMSCommit") == "true"; }
bool PagePlatform::LMSFinish() { return Call("LMSFinish") == "true"; }
std::string PagePlatform::LMSGetLastError() { return Call("LMSGetLastError", 0); }

void OnPageHide(void (*handler)(void* data), void* data) {
  hideHandler = handler;
  hideData = data;
  tarvinel_on_page_hide();
}

}  // namespace tarvinel::web
