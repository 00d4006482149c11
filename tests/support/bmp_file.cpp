#include "support/bmp_file.h"

#include <algorithm>
#include <stdexcept>

namespace nk::test {
namespace {

void put(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
}

}  // namespace

std::string makeBmp(int width, int height, int bits, const std::vector<uint32_t>& argb, bool topDown) {
  std::vector<uint32_t> palette;
  if (bits <= 8) {
    for (uint32_t p : argb) {
      if (std::find(palette.begin(), palette.end(), p & 0xFFFFFFu) == palette.end())
        palette.push_back(p & 0xFFFFFFu);
    }
    if (palette.size() > (size_t{1} << bits)) throw std::invalid_argument("too many colours for the depth");
  }
  const size_t rowBytes = (static_cast<size_t>(width) * static_cast<size_t>(bits) + 31) / 32 * 4;
  const uint32_t pixelsAt = 14 + 40 + static_cast<uint32_t>(palette.size()) * 4;
  std::string out = "BM";
  put(out, pixelsAt + static_cast<uint32_t>(rowBytes * static_cast<size_t>(height)), 4);
  put(out, 0, 4);
  put(out, pixelsAt, 4);
  put(out, 40, 4);
  put(out, static_cast<uint32_t>(width), 4);
  put(out, static_cast<uint32_t>(topDown ? -height : height), 4);
  put(out, 1, 2);
  put(out, static_cast<uint32_t>(bits), 2);
  put(out, 0, 4);  // uncompressed
  put(out, static_cast<uint32_t>(rowBytes * static_cast<size_t>(height)), 4);
  put(out, 2835, 4);
  put(out, 2835, 4);
  put(out, static_cast<uint32_t>(palette.size()), 4);
  put(out, 0, 4);
  for (uint32_t c : palette) put(out, c, 4);  // B, G, R, 0
  for (int row = 0; row < height; ++row) {
    const int y = topDown ? row : height - 1 - row;
    std::string line(rowBytes, '\0');
    for (int x = 0; x < width; ++x) {
      const uint32_t p = argb[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
      if (bits >= 24) {
        for (int c = 0; c < bits / 8; ++c)
          line[static_cast<size_t>(x * bits / 8 + c)] = static_cast<char>(p >> (8 * c));
        continue;
      }
      const auto index =
          static_cast<uint32_t>(std::find(palette.begin(), palette.end(), p & 0xFFFFFFu) - palette.begin());
      const size_t bit = static_cast<size_t>(x) * static_cast<size_t>(bits);
      const int shift = 8 - bits - static_cast<int>(bit % 8);
      line[bit / 8] = static_cast<char>(line[bit / 8] | static_cast<char>(index << shift));
    }
    out += line;
  }
  return out;
}

}  // namespace nk::test
