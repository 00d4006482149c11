#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace nk {

// The font file a family name stands for, and what that file itself already is, so that a missing
// weight or slant can be synthesised.
struct FontFile {
  std::string path;
  std::string family;  // the family actually found
  bool bold = false;
  bool italic = false;
};

// The installed family of that name (any letter case); when it is not installed, the stand-in we
// ship for the faces the game names, else the system's own substitute. Nothing only when the
// system has no font at all.
std::optional<FontFile> findFontFile(std::string_view family, bool bold, bool italic);

}  // namespace nk
