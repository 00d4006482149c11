#include "game/level_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace nk {
namespace {

// Where each field sits in its cell block; the reader and the writer share this one list.
template <typename Cell, typename Visit>
void visitCellFields(Cell& c, Visit&& at) {
  at(0x00, c.interiorKind);
  at(0x04, c.hasDoor);
  at(0x05, c.hasStairsUp);
  at(0x06, c.hasStairsDown);
  at(0x07, c.hasLift);
  at(0x08, c.liftTargetColumn);
  at(0x0C, c.liftTargetRow);
  at(0x10, c.doorOpen);
  at(0x14, c.doorKey);
  at(0x18, c.lit);
  // 0x24 holds the dark frame and 0x28 a spare field; level start overwrites the one and never
  // reads the other, so neither is kept.
  for (size_t k = 0; k < c.hasKey.size(); ++k) at(0x2C + 4 * k, c.hasKey[k]);
  at(0x3C, c.hasKeyBoard);
  at(0x40, c.hasGuard);
  at(0x44, c.hasCat);
  for (size_t s = 0; s < c.hasMoney.size(); ++s) at(0x48 + 4 * s, c.hasMoney[s]);
  at(0x54, c.hasSafe);
  at(0x58, c.hasTimePrize);
  at(0x59, c.hasLifePrize);
  at(0x5A, c.hasLaser);
}

int32_t int32At(std::string_view block, size_t offset) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v |= uint32_t(uint8_t(block[offset + i])) << (8 * i);
  return static_cast<int32_t>(v);
}

void putInt32(std::string& block, size_t offset, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  for (size_t i = 0; i < 4; ++i) block[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

struct ReadField {
  std::string_view block;
  void operator()(size_t offset, uint8_t& field) const { field = uint8_t(block[offset]); }
  void operator()(size_t offset, int32_t& field) const { field = int32At(block, offset); }
};

struct WriteField {
  std::string& block;
  void operator()(size_t offset, uint8_t field) const { block[offset] = static_cast<char>(field); }
  void operator()(size_t offset, int32_t field) const { putInt32(block, offset, field); }
};

// The grid has room for stored columns 0 .. 7 (playable 1 .. 8) and rows 0 .. 8; a larger header
// would make the game write past its grid.
void checkHeader(int32_t lastColumnIndex, int32_t lastRow) {
  if (lastColumnIndex < 0 || lastColumnIndex > kMaxLevelColumns - 2)
    throw LevelFileError("the header's last column index " + std::to_string(lastColumnIndex) +
                         " is outside 0 .. " + std::to_string(kMaxLevelColumns - 2));
  if (lastRow < 0 || lastRow > kMaxLevelRows - 1)
    throw LevelFileError("the header's last row " + std::to_string(lastRow) + " is outside 0 .. " +
                         std::to_string(kMaxLevelRows - 1));
}

size_t cellIndex(const LevelFile& level, int32_t column, int32_t row) {
  if (!level.contains(column, row))
    throw std::out_of_range("no room at column " + std::to_string(column) + ", row " + std::to_string(row));
  return static_cast<size_t>(row * level.columnCount() + column - 1);
}

}  // namespace

const LevelCellRecord& LevelFile::cell(int32_t column, int32_t row) const {
  return cells.at(cellIndex(*this, column, row));
}

LevelCellRecord& LevelFile::cell(int32_t column, int32_t row) {
  return cells.at(cellIndex(*this, column, row));
}

LevelFile makeEmptyLevel(int32_t columnCount, int32_t lastRow) {
  checkHeader(columnCount - 1, lastRow);
  LevelFile level;
  level.lastColumnIndex = columnCount - 1;
  level.lastRow = lastRow;
  level.cells.resize(static_cast<size_t>(columnCount * (lastRow + 1)));
  return level;
}

LevelFile parseLevelFile(std::string_view bytes) {
  if (bytes.size() < kLevelBlockSize)
    throw LevelFileError("the file is " + std::to_string(bytes.size()) +
                         " bytes, shorter than its header block");
  const int32_t lastColumnIndex = int32At(bytes, 0);
  checkHeader(lastColumnIndex, int32At(bytes, 4));
  LevelFile level = makeEmptyLevel(lastColumnIndex + 1, int32At(bytes, 4));
  const size_t needed = (level.cells.size() + 1) * kLevelBlockSize;
  if (bytes.size() < needed)
    throw LevelFileError("the file is " + std::to_string(bytes.size()) + " bytes; its " +
                         std::to_string(level.cells.size()) + " rooms need " + std::to_string(needed));
  for (size_t i = 0; i < level.cells.size(); ++i)
    visitCellFields(level.cells[i], ReadField{bytes.substr((i + 1) * kLevelBlockSize, kLevelBlockSize)});
  return level;
}

std::string levelFileBytes(const LevelFile& level) {
  checkHeader(level.lastColumnIndex, level.lastRow);
  if (level.cells.size() != static_cast<size_t>(level.columnCount() * (level.lastRow + 1)))
    throw LevelFileError("the level has " + std::to_string(level.cells.size()) + " rooms, not " +
                         std::to_string(level.columnCount() * (level.lastRow + 1)));
  std::string out((level.cells.size() + 1) * kLevelBlockSize, '\0');
  putInt32(out, 0, level.lastColumnIndex);
  putInt32(out, 4, level.lastRow);
  for (size_t i = 0; i < level.cells.size(); ++i) {
    std::string block(kLevelBlockSize, '\0');
    visitCellFields(level.cells[i], WriteField{block});
    out.replace((i + 1) * kLevelBlockSize, kLevelBlockSize, block);
  }
  return out;
}

LevelFile readLevelFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in || std::filesystem::is_directory(path)) throw LevelFileError(path + ": cannot be read");
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw LevelFileError(path + ": cannot be read");
  try {
    return parseLevelFile(bytes);
  } catch (const LevelFileError& e) {
    throw LevelFileError(path + ": " + e.what());
  }
}

void writeLevelFile(const std::string& path, const LevelFile& level) {
  const std::string bytes = levelFileBytes(level);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw LevelFileError(path + ": cannot be written");
}

}  // namespace nk
