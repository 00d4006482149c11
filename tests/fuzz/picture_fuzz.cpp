// Any bytes as a picture file, through both decoders the library's items use: a picture whose
// pixels fill exactly its claimed size within the limits, or nothing.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/png_decode.h"
#include "platform/bmp_decode.h"

namespace {

void check(const std::optional<nk::ArgbImage>& image) {
  if (!image) return;
  const bool whole =
      nk::imageSizeAllowed(image->width, image->height) &&
      image->pixels.size() == static_cast<size_t>(image->width) * static_cast<size_t>(image->height);
  if (!whole) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  check(nk::decodePng(file));
  check(nk::decodeBmp(file));
  return 0;
}
