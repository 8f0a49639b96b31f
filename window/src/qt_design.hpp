#pragma once

#include <QColor>
#include <QRect>

#include "tarvinel/design.hpp"

// The design in Qt's units: twips become logical pixels (15 twips a pixel; Qt scales logical
// pixels for larger screens), colours QColors.
namespace tarvinel::design {

inline constexpr int kTwipsPerPixel = kTwipsPerInch / 96;

constexpr QRect ToRect(Twips place) {
  return {place.left / kTwipsPerPixel, place.top / kTwipsPerPixel, place.width / kTwipsPerPixel,
          place.height / kTwipsPerPixel};
}

inline QColor ToColour(Rgb colour) { return {colour.r, colour.g, colour.b}; }

}  // namespace tarvinel::design
