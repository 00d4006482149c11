// Writes the picture fuzzer's starting corpus into the folder given: small PNG files from our
// writer and BMP files of every depth the fixtures make, bottom-up and top-down.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "engine/png_writer.h"
#include "support/bmp_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: nk_picture_fuzz_seeds FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder(argv[1]);
  std::filesystem::create_directories(folder);
  // Two colours, so the one-bit palette can hold them.
  const std::vector<uint32_t> pixels = {0xFFFF00FFu, 0xFF000000u, 0xFF000000u,
                                        0xFFFF00FFu, 0xFFFF00FFu, 0xFF000000u};
  std::ofstream(folder / "seed.png", std::ios::binary) << *nk::encodePng(3, 2, pixels);
  std::vector<uint32_t> translucent(pixels);
  translucent[1] = 0x80102030u;
  std::ofstream(folder / "alpha.png", std::ios::binary) << *nk::encodePng(2, 3, translucent);
  for (int bits : {1, 4, 8, 24, 32}) {
    for (bool topDown : {false, true}) {
      const std::string name = "seed" + std::to_string(bits) + (topDown ? "td" : "") + ".bmp";
      std::ofstream(folder / name, std::ios::binary) << nk::test::makeBmp(3, 2, bits, pixels, topDown);
    }
  }
  return 0;
}
