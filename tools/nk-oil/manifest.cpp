#include "tools/nk-oil/manifest.h"

#include <charconv>
#include <set>
#include <sstream>

namespace nk::oiltool {
namespace {

[[noreturn]] void fail(int line, const std::string& message) {
  throw ManifestError("line " + std::to_string(line) + ": " + message);
}

std::optional<int32_t> number(std::string_view text, int base = 10) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

void parseTile(std::string_view size, ManifestEntry& entry) {
  const size_t x = size.find('x');
  const std::optional<int32_t> w = number(size.substr(0, x));
  const std::optional<int32_t> h = x == std::string_view::npos ? std::nullopt : number(size.substr(x + 1));
  if (!w || !h || *w < 1 || *h < 1) fail(entry.line, "tile wants WIDTHxHEIGHT of at least 1x1");
  entry.tileWidth = *w;
  entry.tileHeight = *h;
}

void parseKey(std::string_view colour, ManifestEntry& entry) {
  if (colour.starts_with("0x")) {
    const std::optional<int32_t> value = number(colour.substr(2), 16);
    if (!value || colour.size() > 8) fail(entry.line, "key wants 0xBBGGRR or a colour name");
    entry.key = *value;
  } else {
    entry.key = IdentToColor(colour);
    if (!entry.key) fail(entry.line, "unknown colour name " + std::string(colour));
  }
}

}  // namespace

std::vector<ManifestEntry> parseManifest(std::istream& in, const std::filesystem::path& folder) {
  std::vector<ManifestEntry> entries;
  std::set<std::string> names;
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    text = text.substr(0, text.find('#'));
    std::istringstream words(text);
    ManifestEntry entry;
    entry.line = line;
    std::string file, option;
    if (!(words >> entry.name)) continue;
    if (!(words >> file)) fail(line, "a picture file must follow the name");
    entry.file = folder / file;
    while (words >> option) {
      if (option.starts_with("tile=")) {
        parseTile(std::string_view(option).substr(5), entry);
      } else if (option.starts_with("key=")) {
        parseKey(std::string_view(option).substr(4), entry);
      } else {
        fail(line, "unknown option " + option);
      }
    }
    // The game finds pictures by name and takes the first: a second one would never be seen.
    if (!names.insert(entry.name).second) fail(line, "a picture named " + entry.name + " is already listed");
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace nk::oiltool
