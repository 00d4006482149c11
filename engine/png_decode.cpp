#include "engine/png_decode.h"

#include <png.h>

#include <bit>
#include <cstring>
#include <vector>

namespace nk {
namespace {

struct PngSource {
  std::string_view file;
  size_t at = 0;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (length > source->file.size() - source->at) png_error(png, "truncated");
  std::memcpy(out, source->file.data() + source->at, length);
  source->at += length;
}

// A damaged file is an ordinary outcome here, not something to print.
[[noreturn]] void failQuietly(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void ignoreWarning(png_structp, png_const_charp) {}

// Everything libpng may jump out of lives in the caller's frame: longjmp must not skip a destructor.
bool decodeInto(png_structp png, png_infop info, ArgbImage& image, std::vector<png_bytep>& rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  if (!imageSizeAllowed(width, height)) return false;
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_bgr(png);  // B, G, R, A in memory is ARGB in a little-endian word
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != static_cast<size_t>(width) * 4) return false;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.pixels.resize(static_cast<size_t>(width) * height);
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) {
    rows[y] = reinterpret_cast<png_bytep>(image.pixels.data() + static_cast<size_t>(y) * width);
  }
  png_read_image(png, rows.data());
  return true;
}

}  // namespace

std::optional<ArgbImage> decodePng(std::string_view file) {
  static_assert(std::endian::native == std::endian::little, "pixels are filled as little-endian words");
  if (file.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(file.data()), 0, 8) != 0) {
    return std::nullopt;
  }
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, &failQuietly, &ignoreWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return std::nullopt;
  }
  PngSource source{file};
  png_set_read_fn(png, &source, &readFromMemory);
  ArgbImage image;
  std::vector<png_bytep> rows;
  const bool ok = decodeInto(png, info, image, rows);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) return std::nullopt;
  return image;
}

}  // namespace nk
