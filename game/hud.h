#pragma once
#include <cstdint>
#include <string>

namespace nk {

// What the side panel shows beside the play area.

// Lives, money and level are centred on this x; their rows.
inline constexpr int kSideNumberCentre = 720;
inline constexpr int kLivesY = 180, kMoneyY = 264, kLevelY = 350;
inline constexpr int kTimeX = 690, kTimeY = 510;

// Left edge of a number of the given pixel width centred on the panel (halving towards zero).
constexpr int SideNumberX(int textWidth) { return kSideNumberCentre - textWidth / 2; }

// "3:05": minutes, a colon, seconds with a leading zero below 10.
std::string FormatTime(int32_t minutes, int32_t seconds);

// The time is dark grey, and red in the last ten seconds (ARGB).
constexpr uint32_t TimeColor(int32_t minutes, int32_t seconds) {
  return (minutes > 0 || seconds > 10) ? 0xFF323232u : 0xFFFF1414u;
}

}  // namespace nk
