#pragma once

#include <memory>
#include <string>

#include "tarvinel/scorm12_record.hpp"

namespace tarvinel::web {

// The SCORM 1.2 run-time of the learning platform that shows the page: the API object of a
// window above the page, or above the window that opened it.
class PagePlatform : public Scorm12Api {
 public:
  // The platform's run-time, or null where the page finds none.
  static std::unique_ptr<PagePlatform> Find();

  bool LMSInitialize() override;
  std::string LMSGetValue(const std::string& element) override;
  bool LMSSetValue(const std::string& element, const std::string& value) override;
  bool LMSCommit() override;
  bool LMSFinish() override;
  std::string LMSGetLastError() override;

 private:
  PagePlatform() = default;
};

// Calls `handler` as the page goes: its tab closed, or another page opened in its place.
void OnPageHide(void (*handler)(void* data), void* data);

}  // namespace tarvinel::web
