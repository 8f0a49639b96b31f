#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

#include "tarvinel/catalogue.hpp"

// The window's design: every place and size in twips, as drawn, converted to logical pixels here
// and nowhere else (15 twips make a pixel at 96 dots per inch; Qt scales logical pixels for
// larger screens).
namespace tarvinel::design {

inline constexpr int kTwipsPerPixel = 15;

constexpr QRect FromTwips(int left, int top, int width, int height) {
  return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
          height / kTwipsPerPixel};
}

inline constexpr QSize kClientArea = FromTwips(0, 0, 6915, 5175).size();
inline constexpr QRect kTitleLabel = FromTwips(960, 0, 4575, 375);
inline constexpr QRect kEraFrame = FromTwips(120, 600, 3495, 2295);
inline constexpr QRect kPeriodLabel = FromTwips(4320, 600, 2415, 300);
inline constexpr QRect kPeriodList = FromTwips(4320, 900, 2415, 2055);
inline constexpr QRect kOutputBox = FromTwips(120, 3120, 6735, 1935);

// Inside the frame, era e's button sits 300 twips below era e - 1's.
constexpr QRect EraButton(int era) { return FromTwips(120, 300 + 300 * era, 3255, 300); }

inline constexpr QRgb kWindowBackground = 0xC0C0FF;
inline constexpr QRgb kFrameBackground = 0x80FF80;
inline constexpr QRgb kPeriodListBackground = 0x8080FF;
inline constexpr QRgb kLabelBackground = 0xFFC080;

inline constexpr const char* kFontFamily = "Times New Roman";
inline constexpr int kFontPointSize = 12;

inline constexpr const char* kPublisherAddress = "https://tarvinel.example.org";
inline constexpr const char* kWindowTitle = "Биология - еон, ера, период";
inline constexpr const char* kTitleLabelText = "Биология - ера и период";
inline constexpr const char* kEraFrameTitle = "Име на ера";
inline constexpr const char* kPeriodLabelText = "Име на период";
inline constexpr const char* kOutputBoxName = "Резултат";

inline QColor EraBackground(int era) {
  const Rgb rgb = kEras.at(static_cast<std::size_t>(era)).background;
  return {rgb.r, rgb.g, rgb.b};
}

// Black or white, whichever reads better on `background` (WCAG contrast ratio).
QColor TextColourFor(const QColor& background);

// The exercise statement that the output box holds until the first pick, CR LF after every line.
extern const char* const kExerciseStatement;

}  // namespace tarvinel::design
