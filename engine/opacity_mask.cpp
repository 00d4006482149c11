#include "engine/opacity_mask.h"

#include <cstddef>

namespace nk {

OpacityMask::OpacityMask(const std::vector<uint32_t>& pixels, int width) {
  if (width < 1) return;
  width_ = width;
  height_ = static_cast<int>(pixels.size() / static_cast<size_t>(width));
  bits_.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_));
  for (size_t i = 0; i < bits_.size(); ++i) bits_[i] = pixels[i] != 0;
}

bool OpacityMask::Solid(int column, int row) const {
  if (column < 0 || row < 0 || column >= width_ || row >= height_) return false;
  return bits_[static_cast<size_t>(row) * static_cast<size_t>(width_) + static_cast<size_t>(column)];
}

}  // namespace nk
