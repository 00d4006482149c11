#include "platform/bmp_decode.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace nk {
namespace {

uint32_t readLe(std::string_view data, size_t at, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(data[at + i]);
  return value;
}

// The header's claims, checked before SDL allocates the surface: SDL trusts the size it reads.
bool headerPlausible(std::string_view file) {
  constexpr size_t kFileHeader = 14;
  if (file.size() < kFileHeader + 12 || file[0] != 'B' || file[1] != 'M') return false;
  const uint32_t infoSize = readLe(file, 14, 4);
  int64_t width = 0, height = 0;
  uint32_t bits = 0, compression = 0;
  if (infoSize == 12) {  // the old OS/2 header
    width = readLe(file, 18, 2);
    height = readLe(file, 20, 2);
    bits = readLe(file, 24, 2);
  } else {
    if (infoSize < 40 || file.size() < kFileHeader + 40) return false;
    width = static_cast<int32_t>(readLe(file, 18, 4));
    height = static_cast<int32_t>(readLe(file, 22, 4));  // negative: rows stored top-down
    bits = readLe(file, 28, 2);
    compression = readLe(file, 30, 4);
  }
  height = std::llabs(height);
  if (!imageSizeAllowed(width, height)) return false;
  constexpr uint32_t kRgb = 0, kBitFields = 3;
  if (compression != kRgb && compression != kBitFields) return true;  // packed: SDL checks its runs
  const uint64_t rowBytes = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
  const uint64_t pixelsAt = readLe(file, 10, 4);
  return pixelsAt + rowBytes * static_cast<uint64_t>(height) <= file.size();
}

}  // namespace

std::optional<ArgbImage> decodeBmp(std::string_view file) {
  if (!headerPlausible(file)) return std::nullopt;
  SDL_RWops* stream = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
  if (stream == nullptr) return std::nullopt;
  using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;
  const Surface loaded(SDL_LoadBMP_RW(stream, 1), &SDL_FreeSurface);
  if (!loaded) return std::nullopt;
  const Surface argb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0), &SDL_FreeSurface);
  if (!argb || SDL_LockSurface(argb.get()) != 0) return std::nullopt;
  ArgbImage image;
  image.width = argb->w;
  image.height = argb->h;
  image.pixels.resize(static_cast<size_t>(argb->w) * static_cast<size_t>(argb->h));
  for (int y = 0; y < argb->h; ++y) {
    const auto* row =
        static_cast<const unsigned char*>(argb->pixels) + static_cast<ptrdiff_t>(y) * argb->pitch;
    uint32_t* out = image.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(argb->w);
    std::memcpy(out, row, static_cast<size_t>(argb->w) * 4);
    for (int x = 0; x < argb->w; ++x) out[x] |= 0xFF000000u;
  }
  SDL_UnlockSurface(argb.get());
  return image;
}

}  // namespace nk
