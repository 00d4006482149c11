#pragma once
#include <string>

#include "xm_module.h"

namespace nk::xm {

// One of our synthesised instruments by kind: "pad", "bell", "harp", "softbass", "upright",
// "epiano", "lead", "kick", "brush", "hat", "shaker", "ride". Tonal ones sound at the pitch of the
// note played (note 49 is middle C); drums play as recorded at note 49.
// Throws std::invalid_argument for an unknown kind.
Instrument MakeInstrument(const std::string& kind);

}  // namespace nk::xm
