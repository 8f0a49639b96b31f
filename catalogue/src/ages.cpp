#include "tarvinel/ages.hpp"

#include <algorithm>

namespace tarvinel {
namespace {

std::string WithDecimalComma(std::string_view number) {
  std::string text(number);
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

}  // namespace

std::string AgeText(std::string_view name, const Span& span) {
  std::string text(name);
  text += ": от ";
  text += WithDecimalComma(span.from);
  if (span.to == "0") {
    text += " млн. години до днес";
  } else {
    text += " до ";
    text += WithDecimalComma(span.to);
    text += " млн. години";
  }
  return text;
}

}  // namespace tarvinel
