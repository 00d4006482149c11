#pragma once
#include <optional>
#include <string_view>

#include "platform/argb_image.h"

namespace nk {

// Decodes a complete BMP file (1, 4, 8, 16, 24 or 32 bits per pixel) held in memory. Every pixel
// comes out opaque: the game's bitmaps carry no alpha. Nothing when the file is not a BMP the
// decoder accepts, or claims a size beyond imageSizeAllowed or beyond the data it holds.
std::optional<ArgbImage> decodeBmp(std::string_view file);

}  // namespace nk
