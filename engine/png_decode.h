#pragma once
#include <optional>
#include <string_view>

#include "platform/argb_image.h"

namespace nk {

// Decodes a complete PNG file held in memory, any colour type and depth, keeping its alpha
// (opaque where it has none). Nothing when libpng rejects it or its size is beyond imageSizeAllowed.
std::optional<ArgbImage> decodePng(std::string_view file);

}  // namespace nk
