#pragma once
#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/color_names.h"

namespace nk::oiltool {

// One picture of a manifest (format in docs/nk-oil.md).
struct ManifestEntry {
  std::string name;  // UTF-8
  std::filesystem::path file;
  int32_t tileWidth = 0, tileHeight = 0;  // 0: the whole picture
  std::optional<TColor> key;
  int line = 0;
};

struct ManifestError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Picture files are found relative to folder. Throws ManifestError naming the line at fault.
std::vector<ManifestEntry> parseManifest(std::istream& in, const std::filesystem::path& folder);

}  // namespace nk::oiltool
