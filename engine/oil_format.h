#pragma once
#include <cstdint>

namespace nk::oil {

// The tags of the component-stream values a library file holds.
enum Tag : uint8_t {
  kEndOfList = 0,
  kList = 1,
  kInt8 = 2,
  kInt16 = 3,
  kInt32 = 4,
  kString = 6,
  kIdent = 7,
  kFalse = 8,
  kTrue = 9,
  kBinary = 10,
  kLongString = 12,
  kCollection = 14,
  kWideString = 18,
  kUtf8String = 20,
};

inline constexpr char kSignature[] = "TPF0";
inline constexpr char kComponentClass[] = "TImageListCollectionComponent";

}  // namespace nk::oil
