#include "engine/blend_modes.h"

#include <array>
#include <cstddef>

namespace nk {

BlendFactors BlendModeFactors(int mode) {
  using F = BlendFactor;
  static constexpr std::array<BlendFactors, 14> kModes = {{
      {F::SrcAlpha, F::InvSrcAlpha},       // 0
      {F::One, F::One},                    // 1
      {F::SrcAlpha, F::One},               // 2
      {F::SrcColor, F::InvSrcColor},       // 3
      {F::SrcColor, F::One},               // 4
      {F::Zero, F::SrcColor},              // 5
      {F::Zero, F::SrcAlpha},              // 6
      {F::Zero, F::InvSrcColor},           // 7
      {F::Zero, F::InvSrcAlpha},           // 8
      {F::InvDestColor, F::Zero},          // 9
      {F::SrcColor, F::SrcColor},          // 10
      {F::DestColor, F::DestColor},        // 11
      {F::InvSrcColor, F::InvSrcColor},    // 12
      {F::InvDestColor, F::InvDestColor},  // 13
  }};
  if (mode < 0 || mode >= static_cast<int>(kModes.size())) return kModes[0];
  return kModes[static_cast<size_t>(mode)];
}

}  // namespace nk
