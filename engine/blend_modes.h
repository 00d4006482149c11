#pragma once
#include "platform/render_device.h"

namespace nk {

struct BlendFactors {
  BlendFactor src, dst;
};

// The engine's numbered blend modes; any number outside 0..13 (but -1, which means "leave as is")
// is normal alpha blending.
BlendFactors BlendModeFactors(int mode);

}  // namespace nk
