#include "engine/png_writer.h"

#include <png.h>

#include <fstream>

namespace nk {
namespace {

void appendToString(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

void flushNothing(png_structp) {}

// libpng may jump back here: the buffers it writes from are the caller's.
bool encodeInto(png_structp png, png_infop info, int width, int height, const std::vector<uint32_t>& argb,
                std::vector<png_byte>& row, std::string& out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &out, &appendToString, &flushNothing);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t p = argb[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
      png_byte* px = &row[static_cast<size_t>(x) * 4];
      px[0] = static_cast<png_byte>(p >> 16);
      px[1] = static_cast<png_byte>(p >> 8);
      px[2] = static_cast<png_byte>(p);
      px[3] = static_cast<png_byte>(p >> 24);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

std::optional<std::string> encodePng(int width, int height, const std::vector<uint32_t>& argb) {
  if (width <= 0 || height <= 0 || argb.size() != static_cast<size_t>(width) * static_cast<size_t>(height)) {
    return std::nullopt;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return std::nullopt;
  }
  std::vector<png_byte> row(static_cast<size_t>(width) * 4);
  std::string out;
  const bool ok = encodeInto(png, info, width, height, argb, row, out);
  png_destroy_write_struct(&png, &info);
  if (!ok) return std::nullopt;
  return out;
}

bool writePng(const std::string& path, int width, int height, const std::vector<uint32_t>& argb) {
  const std::optional<std::string> bytes = encodePng(width, height, argb);
  if (!bytes) return false;
  std::ofstream file(path, std::ios::binary);
  file.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
  file.close();
  return !file.fail();
}

}  // namespace nk
