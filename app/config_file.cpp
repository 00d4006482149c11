#include "app/config_file.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "codec/text_codec.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace nk {
namespace {

constexpr size_t kLineCount = 25;
constexpr std::string_view kTrue = "true", kFalse = "false";

// Names and numbers come back from the codec unchanged only at a multiple of 5 characters.
std::string padded(std::string text) {
  while (text.size() % 5 != 0) text += '%';
  return text;
}

std::string withoutPadding(std::string text) {
  while (!text.empty() && text.back() == '%') text.pop_back();
  return text;
}

// The first 25 lines decoded; missing ones are empty. A CR before the LF is not a letter, so the
// decoder skips it.
std::vector<std::string> decodedLines(std::string_view text) {
  std::vector<std::string> lines;
  while (lines.size() < kLineCount && !text.empty()) {
    const size_t end = text.find('\n');
    lines.push_back(decodeConfigLine(text.substr(0, end)));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  lines.resize(kLineCount);
  return lines;
}

// A table cell keeps its default when its line is empty.
void readCell(const std::string& line, std::string& cell) {
  if (!line.empty()) cell = withoutPadding(line);
}

}  // namespace

void ReadConfig(std::string_view text, TGameState& state) {
  const std::vector<std::string> lines = decodedLines(text);
  if (lines[0] != kFalse) state.FullScreen = true;
  if (lines[1] == kFalse) state.MusicOn = false;
  if (lines[2] == kFalse) state.SoundOn = false;
  state.PlayerName = withoutPadding(lines[3]);
  state.HiscoreName = withoutPadding(lines[4]);
  for (size_t i = 1; i <= 10; ++i) {
    readCell(lines[5 + 2 * (i - 1)], state.HiScores[i].Name);
    readCell(lines[6 + 2 * (i - 1)], state.HiScores[i].Score);
  }
}

std::string WriteConfig(const TGameState& state) {
  std::string out;
  auto line = [&out](std::string_view text) {
    out += encodeConfigLine(text);
    out += "\r\n";
  };
  line(state.FullScreen ? kTrue : kFalse);
  line(state.MusicOn ? kTrue : kFalse);
  line(state.SoundOn ? kTrue : kFalse);
  // An empty text pads to nothing and is written as an empty line.
  line(padded(state.PlayerName));
  line(padded(state.HiscoreName));
  for (size_t i = 1; i <= 10; ++i) {
    line(padded(state.HiScores[i].Name));
    line(padded(state.HiScores[i].Score));
  }
  return out;
}

ConfigLoad LoadConfigFile(std::string_view gamePath, TGameState& state) {
  std::error_code ec;
  if (!std::filesystem::exists(nativePath(gamePath), ec)) return ConfigLoad::Missing;
  // A line of the file is a few dozen letters and there are 25; a damaged file is read only as far
  // as these bounds, and what lies past them counts as missing.
  constexpr TextLimits kConfigLimits{64 * 1024, 1024};
  const std::optional<BoundedText> file = readTextFile(nativePath(gamePath), kConfigLimits);
  if (!file) return ConfigLoad::Unreadable;
  ReadConfig(file->text, state);
  return ConfigLoad::Loaded;
}

void SaveConfigFile(std::string_view gamePath, const TGameState& state) {
  const std::filesystem::path target = nativePath(gamePath);
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  const std::string failure = "Cannot write " + std::string(gamePath);
  std::error_code ec;
  // The per-user folder of an installed game is made on its first save.
  if (!createFoldersFor(target.string())) throw std::runtime_error(failure + ": its folder cannot be made.");
  // A leftover of an earlier failed save (even a link) must not be written through.
  std::filesystem::remove(temporary, ec);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << WriteConfig(state);
    out.close();
    if (!out) {
      std::filesystem::remove(temporary, ec);
      throw std::runtime_error(failure + ".");
    }
  }
  std::filesystem::rename(temporary, target, ec);
  if (ec) {
    const std::string reason = ec.message();
    std::filesystem::remove(temporary, ec);
    throw std::runtime_error(failure + ": " + reason + ".");
  }
}

}  // namespace nk
