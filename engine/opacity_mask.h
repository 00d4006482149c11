#pragma once
#include <cstdint>
#include <vector>

namespace nk {

// One bit a pixel: whether a picture's colour-keyed texel is non-zero. The pixel-precise collision
// test asks nothing more, so this is all that is kept of the pixels once the texture is made.
class OpacityMask {
 public:
  OpacityMask() = default;
  // Pixels row by row, width a row; a colour with alpha 0 still counts as solid.
  OpacityMask(const std::vector<uint32_t>& pixels, int width);

  // False outside the picture.
  bool Solid(int column, int row) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<bool> bits_;
};

}  // namespace nk
