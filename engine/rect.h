#pragma once
#include <cstdint>

namespace nk {

// A rectangle in pixels; Right and Bottom are exclusive.
struct TRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

}  // namespace nk
