#pragma once

#include <cstdint>

// The designed places and colours, copied by hand from the window's design and never computed
// from it. Places are in twips, relative to the parent: the era buttons sit inside the frame.
namespace tarvinel::expected {

struct Placed {
  const char* name;
  int left, top, width, height;
  std::uint32_t background;  // 0xRRGGBB; 0: the platform's default
  std::uint32_t text;
};

inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

inline constexpr Placed kDesign[] = {
    {"List1_0", 4320, 900, 2415, 2055, 0x8080FF, kBlack},
    {"Frame1", 120, 600, 3495, 2295, 0x80FF80, kBlack},
    {"Option1_5", 120, 1800, 3255, 300, 0x800080, kWhite},
    {"Option1_4", 120, 1500, 3255, 300, 0xC000C0, kWhite},
    {"Option1_3", 120, 1200, 3255, 300, 0xFF00FF, kBlack},
    {"Option1_2", 120, 900, 3255, 300, 0xFF80FF, kBlack},
    {"Option1_1", 120, 600, 3255, 300, 0xFFC0FF, kBlack},
    {"Option1_0", 120, 300, 3255, 300, 0xFFE0C0, kBlack},
    {"Text1_0", 120, 3120, 6735, 1935, 0, kBlack},
    {"Label1_1", 4320, 600, 2415, 300, 0xFFC080, kBlack},
    {"Label1_0", 960, 0, 4575, 375, 0xFFC080, kBlack},
};

inline constexpr int kFrameLeft = 120;
inline constexpr int kFrameTop = 600;

}  // namespace tarvinel::expected
