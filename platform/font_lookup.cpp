#include "platform/font_lookup.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cctype>

namespace nk {
namespace {

// The Windows faces the game asks for are rarely installed here; these Debian fonts cover the
// game's whole character set. The display face is only worth having in its heaviest cut.
struct StandIn {
  std::string_view family, standIn;
  int minWeight;
};
constexpr std::array<StandIn, 3> kStandIns = {{
    {"DS Zombie Cyr", "Comfortaa", FC_WEIGHT_BOLD},
    {"Verdana", "DejaVu Sans", FC_WEIGHT_REGULAR},
    {"Arial", "DejaVu Sans", FC_WEIGHT_REGULAR},
}};

bool sameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

// fontconfig is started once, on the first lookup, and its caches freed when the program ends.
bool fontconfigReady() {
  struct Library {
    bool ok = FcInit() == FcTrue;
    ~Library() {
      if (ok) FcFini();
    }
  };
  static Library library;
  return library.ok;
}

struct Match {
  FontFile file;
  bool familyInstalled = false;
};

std::optional<Match> match(std::string_view family, int weight, bool italic) {
  if (!fontconfigReady()) return std::nullopt;
  FcPattern* pattern = FcPatternCreate();
  const std::string name(family);
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, weight);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* found = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (found == nullptr) return std::nullopt;

  std::optional<Match> out;
  FcChar8* path = nullptr;
  if (FcPatternGetString(found, FC_FILE, 0, &path) == FcResultMatch) {
    out.emplace();
    out->file.path = reinterpret_cast<const char*>(path);
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(found, FC_FAMILY, i, &value) == FcResultMatch; ++i) {
      const std::string_view got = reinterpret_cast<const char*>(value);
      if (i == 0) out->file.family = got;
      if (sameName(got, family)) out->familyInstalled = true;
    }
    int foundWeight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(found, FC_WEIGHT, 0, &foundWeight);
    FcPatternGetInteger(found, FC_SLANT, 0, &slant);
    out->file.bold = foundWeight >= FC_WEIGHT_DEMIBOLD;
    out->file.italic = slant != FC_SLANT_ROMAN;
  }
  FcPatternDestroy(found);
  return out;
}

}  // namespace

std::optional<FontFile> findFontFile(std::string_view family, bool bold, bool italic) {
  const int weight = bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR;
  std::optional<Match> asked = match(family, weight, italic);
  if (asked && asked->familyInstalled) return asked->file;
  const auto standIn = std::find_if(kStandIns.begin(), kStandIns.end(),
                                    [&](const StandIn& s) { return sameName(s.family, family); });
  if (standIn != kStandIns.end()) {
    if (std::optional<Match> m = match(standIn->standIn, std::max(weight, standIn->minWeight), italic))
      return m->file;
  }
  if (asked) return asked->file;
  return std::nullopt;
}

}  // namespace nk
