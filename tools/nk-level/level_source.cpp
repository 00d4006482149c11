#include "tools/nk-level/level_source.h"

#include <charconv>
#include <set>
#include <string>
#include <vector>

#include "game/level_constants.h"

namespace nk {
namespace {

std::string_view trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string_view> split(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  for (size_t end; (end = s.find(separator)) != std::string_view::npos; s.remove_prefix(end + 1))
    parts.push_back(s.substr(0, end));
  parts.push_back(s);
  return parts;
}

std::vector<std::string_view> words(std::string_view s) {
  std::vector<std::string_view> out;
  for (std::string_view w : split(s, ' '))
    for (std::string_view part : split(w, '\t'))
      if (!part.empty()) out.push_back(part);
  return out;
}

struct Line {
  int number;
  std::string_view text;

  [[noreturn]] void fail(const std::string& what) const {
    throw LevelSourceError("line " + std::to_string(number) + ": " + what);
  }

  int32_t number32(std::string_view word, int32_t lo, int32_t hi, std::string_view what) const {
    int32_t value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size() || value < lo || value > hi)
      fail(std::string(what) + " \"" + std::string(word) + "\" is not a number from " + std::to_string(lo) +
           " to " + std::to_string(hi));
    return value;
  }
};

// One "name" or "name=value" word of a room line.
void applyWord(const Line& line, std::string_view word, LevelCellRecord& cell, const LevelFile& level) {
  const size_t eq = word.find('=');
  const std::string_view name = word.substr(0, eq);
  const std::string_view value = eq == std::string_view::npos ? std::string_view{} : word.substr(eq + 1);
  const bool hasValue = eq != std::string_view::npos;
  auto noValue = [&](auto& field) {
    if (hasValue) line.fail("\"" + std::string(name) + "\" takes no value");
    field = 1;
  };
  auto list = [&](int32_t hi, auto&& each) {
    if (!hasValue) line.fail("\"" + std::string(name) + "\" needs a value");
    for (std::string_view v : split(value, ',')) each(line.number32(v, 0, hi, name));
  };

  if (name == "lit")
    noValue(cell.lit);
  else if (name == "up")
    noValue(cell.hasStairsUp);
  else if (name == "down")
    noValue(cell.hasStairsDown);
  else if (name == "keyboard")
    noValue(cell.hasKeyBoard);
  else if (name == "guard")
    noValue(cell.hasGuard);
  else if (name == "cat")
    noValue(cell.hasCat);
  else if (name == "safe")
    noValue(cell.hasSafe);
  else if (name == "laser")
    noValue(cell.hasLaser);
  else if (name == "time-prize")
    noValue(cell.hasTimePrize);
  else if (name == "life-prize")
    noValue(cell.hasLifePrize);
  else if (name == "open-door") {
    noValue(cell.hasDoor);
    cell.doorOpen = 1;
  } else if (name == "door") {
    cell.hasDoor = 1;
    if (hasValue) cell.doorKey = line.number32(value, 0, kKeyKinds - 1, "door key");
  } else if (name == "interior") {
    list(kInteriorKinds - 1, [&](int32_t kind) { cell.interiorKind = kind; });
  } else if (name == "key") {
    list(kKeyKinds - 1, [&](int32_t kind) { cell.hasKey[size_t(kind)] = 1; });
  } else if (name == "money") {
    list(kMoneySlots - 1, [&](int32_t slot) { cell.hasMoney[size_t(slot)] = 1; });
  } else if (name == "lift") {
    const auto target = split(value, ',');
    if (!hasValue || target.size() != 2) line.fail("\"lift\" needs a target room COLUMN,ROW");
    cell.hasLift = 1;
    cell.liftTargetColumn = line.number32(target[0], 1, level.columnCount(), "lift column");
    cell.liftTargetRow = line.number32(target[1], 0, level.lastRow, "lift row");
  } else {
    line.fail("unknown word \"" + std::string(word) + "\"");
  }
}

}  // namespace

LevelSource parseLevelSource(std::string_view text) {
  LevelSource source;
  std::set<std::pair<int32_t, int32_t>> seen;
  int number = 0;
  for (std::string_view raw : split(text, '\n')) {
    const Line line{++number, trimmed(raw.substr(0, raw.find('#')))};
    if (line.text.empty()) continue;
    const size_t colon = line.text.find(':');
    const auto head = words(line.text.substr(0, colon));
    if (source.level == 0) {
      if (head.size() != 2 || head[0] != "level" || colon != std::string_view::npos)
        line.fail("a level source starts with \"level N\"");
      source.level = line.number32(head[1], 1, kLevelCount, "level");
      const LevelConstants& constants = *findLevelConstants(source.level);
      source.file = makeEmptyLevel(constants.columnCount, constants.lastRow);
      continue;
    }
    if (head.size() != 3 || head[0] != "room" || colon == std::string_view::npos)
      line.fail("expected \"room COLUMN ROW: ...\"");
    const int32_t column = line.number32(head[1], 1, source.file.columnCount(), "column");
    const int32_t row = line.number32(head[2], 0, source.file.lastRow, "row");
    if (!seen.insert({column, row}).second)
      line.fail("room " + std::string(head[1]) + " " + std::string(head[2]) + " again");
    for (std::string_view word : words(line.text.substr(colon + 1)))
      applyWord(line, word, source.file.cell(column, row), source.file);
  }
  if (source.level == 0) throw LevelSourceError("the source names no level (\"level N\")");
  return source;
}

}  // namespace nk
