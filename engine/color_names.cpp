#include "engine/color_names.h"

#include <array>

namespace nk {
namespace {

struct NamedColor {
  std::string_view name;
  TColor value;
};

constexpr TColor kSystem = static_cast<TColor>(0xFF000000u);

// The names read as a table.
// clang-format off
constexpr std::array<NamedColor, 52> kNames = {{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF}, {"clDefault", 0x20000000},
    {"clScrollBar", kSystem | 0}, {"clBackground", kSystem | 1}, {"clActiveCaption", kSystem | 2},
    {"clInactiveCaption", kSystem | 3}, {"clMenu", kSystem | 4}, {"clWindow", kSystem | 5},
    {"clWindowFrame", kSystem | 6}, {"clMenuText", kSystem | 7}, {"clWindowText", kSystem | 8},
    {"clCaptionText", kSystem | 9}, {"clActiveBorder", kSystem | 10}, {"clInactiveBorder", kSystem | 11},
    {"clAppWorkSpace", kSystem | 12}, {"clHighlight", kSystem | 13}, {"clHighlightText", kSystem | 14},
    {"clBtnFace", kSystem | 15}, {"clBtnShadow", kSystem | 16}, {"clGrayText", kSystem | 17},
    {"clBtnText", kSystem | 18}, {"clInactiveCaptionText", kSystem | 19}, {"clBtnHighlight", kSystem | 20},
    {"cl3DDkShadow", kSystem | 21}, {"cl3DLight", kSystem | 22}, {"clInfoText", kSystem | 23},
    {"clInfoBk", kSystem | 24}, {"clHotLight", kSystem | 26}, {"clGradientActiveCaption", kSystem | 27},
    {"clGradientInactiveCaption", kSystem | 28}, {"clMenuHighlight", kSystem | 29}, {"clMenuBar", kSystem | 30},
}};
// clang-format on

// 0x00BBGGRR of system colour indices 0..30 in the classic scheme; index 25 is unassigned.
constexpr std::array<TColor, 31> kSystemColors = {
    0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
    0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
    0xE1FFFF, 0x000000, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xC56A31, 0xD8E9EC,
};

}  // namespace

std::optional<TColor> IdentToColor(std::string_view name) {
  for (const NamedColor& c : kNames) {
    if (c.name == name) return c.value;
  }
  return std::nullopt;
}

std::optional<std::string_view> ColorToIdent(TColor color) {
  for (const NamedColor& c : kNames) {
    if (c.value == color) return c.name;
  }
  return std::nullopt;
}

TColor ColorToRGB(TColor color) {
  if (color >= 0) return color;
  const auto index = static_cast<size_t>(color & 0xFF);
  return index < kSystemColors.size() ? kSystemColors[index] : 0;  // no such colour: black
}

uint32_t StoredColorToARGB(TColor color, uint8_t alpha) {
  const auto rgb = static_cast<uint32_t>(ColorToRGB(color));
  return (uint32_t{alpha} << 24) | ((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu);
}

}  // namespace nk
