#pragma once

#include <string>
#include <string_view>

namespace tarvinel::win32 {

// UTF-8, as the core keeps every text, and the platform's UTF-16.
std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view text);

}  // namespace tarvinel::win32
