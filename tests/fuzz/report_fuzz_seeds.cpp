// Writes the report fuzzer's starting corpus into the folder given: reports as the game builds
// them, plain and in letters, and the server's query strings.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "codec/cp1251.h"
#include "codec/text_codec.h"

namespace {

std::string report(const std::string& name, const std::string& score, const std::string& player) {
  std::string text = "type=0|name=" + nk::utf8ToCp1251(name) + "|score=" + score +
                     "|key=X|p=0123456789abcdef0123456789abcdef|add=" + nk::utf8ToCp1251(player) + "|z=";
  text.append((5 - text.size() % 5) % 5, '0');
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: nk_report_fuzz_seeds FOLDER\n";
    return 2;
  }
  std::vector<std::string> seeds = {
      report("Зед", "1200", ""), report("а|б", "0", "Вор"), report("АБВГДЕЖЗИЙ", "39650", "|"),
      "hs&prg=Nokturo&inf=ABC",  "version&prg=Nokturo",     "prg=Nokturo&show&type=0"};
  for (size_t i = 0; i < 3; ++i) seeds.push_back(nk::encodeReport(seeds[i]));  // the three reports
  std::filesystem::create_directories(argv[1]);
  for (size_t i = 0; i < seeds.size(); ++i) {
    std::ofstream(std::filesystem::path(argv[1]) / ("seed" + std::to_string(i)), std::ios::binary)
        << seeds[i];
  }
  return 0;
}
