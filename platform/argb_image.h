#pragma once
#include <cstdint>
#include <vector>

namespace nk {

// A decoded picture: ARGB pixels (alpha in the top byte), row by row from the top.
struct ArgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

// Library files come from players too: a header may claim any size, so decoders check it
// against these limits before they allocate anything for the pixels.
inline constexpr int64_t kMaxImageSide = 16384;
inline constexpr int64_t kMaxImagePixels = int64_t{1} << 24;  // 64 MB of ARGB

constexpr bool imageSizeAllowed(int64_t width, int64_t height) {
  return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide &&
         width * height <= kMaxImagePixels;
}

}  // namespace nk
