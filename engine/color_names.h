#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace nk {

// A stored colour: 0x00BBGGRR, or a system colour (top byte 0xFF, index in the low byte),
// or one of the special values clNone (0x1FFFFFFF) and clDefault (0x20000000).
using TColor = int32_t;

// The colour constants a library file may name ("clFuchsia", "clBtnFace", ...); exact names.
std::optional<TColor> IdentToColor(std::string_view name);
// The constant's name for a value that has one.
std::optional<std::string_view> ColorToIdent(TColor color);

// Resolves a system colour to 0x00BBGGRR (the classic Windows scheme stands in for the
// desktop's colours); other values come back unchanged.
TColor ColorToRGB(TColor color);

// A stored colour as ARGB with the given alpha: system colours resolved, the low 24 bits
// taken, red and blue swapped.
uint32_t StoredColorToARGB(TColor color, uint8_t alpha);

}  // namespace nk
