#include "game/level_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "game/level_constants.h"

namespace nk {
namespace {

constexpr size_t kBlock = kLevelBlockSize;

void put32(std::string& bytes, size_t at, int32_t value) {
  for (size_t i = 0; i < 4; ++i) bytes[at + i] = char((uint32_t(value) >> (8 * i)) & 0xFF);
}

// A file made byte by byte: the header and `rooms` cell blocks, every byte first set to `filler`.
std::string handMadeFile(int32_t lastColumnIndex, int32_t lastRow, char filler) {
  const size_t rooms = size_t((lastColumnIndex + 1) * (lastRow + 1));
  std::string bytes((rooms + 1) * kBlock, filler);
  put32(bytes, 0, lastColumnIndex);
  put32(bytes, 4, lastRow);
  return bytes;
}

// Every field at its offset, and how to read it back.
struct FieldCase {
  const char* name;
  size_t offset;
  int32_t value;  // a byte field stores the low byte
  bool isByte;
  std::function<int32_t(const LevelCellRecord&)> get;
};

const std::vector<FieldCase>& fieldCases() {
  static const std::vector<FieldCase> cases = {
      {"interior kind", 0x00, 16, false, [](auto& c) { return c.interiorKind; }},
      {"has door", 0x04, 1, true, [](auto& c) { return c.hasDoor; }},
      {"has stairs up", 0x05, 2, true, [](auto& c) { return c.hasStairsUp; }},
      {"has stairs down", 0x06, 3, true, [](auto& c) { return c.hasStairsDown; }},
      {"has lift", 0x07, 4, true, [](auto& c) { return c.hasLift; }},
      {"lift target column", 0x08, 7, false, [](auto& c) { return c.liftTargetColumn; }},
      {"lift target row", 0x0C, -2, false, [](auto& c) { return c.liftTargetRow; }},
      {"door open", 0x10, 255, true, [](auto& c) { return c.doorOpen; }},
      {"door key", 0x14, -1, false, [](auto& c) { return c.doorKey; }},
      {"lit", 0x18, 9, true, [](auto& c) { return c.lit; }},
      {"has key 0", 0x2C, 11, false, [](auto& c) { return c.hasKey[0]; }},
      {"has key 1", 0x30, 12, false, [](auto& c) { return c.hasKey[1]; }},
      {"has key 2", 0x34, 13, false, [](auto& c) { return c.hasKey[2]; }},
      {"has key 3", 0x38, 0x01020304, false, [](auto& c) { return c.hasKey[3]; }},
      {"has key board", 0x3C, 15, false, [](auto& c) { return c.hasKeyBoard; }},
      {"has guard", 0x40, 16, false, [](auto& c) { return c.hasGuard; }},
      {"has cat", 0x44, 17, false, [](auto& c) { return c.hasCat; }},
      {"has money 0", 0x48, 18, false, [](auto& c) { return c.hasMoney[0]; }},
      {"has money 1", 0x4C, 19, false, [](auto& c) { return c.hasMoney[1]; }},
      {"has money 2", 0x50, -20, false, [](auto& c) { return c.hasMoney[2]; }},
      {"has safe", 0x54, 21, false, [](auto& c) { return c.hasSafe; }},
      {"has time prize", 0x58, 22, true, [](auto& c) { return c.hasTimePrize; }},
      {"has life prize", 0x59, 23, true, [](auto& c) { return c.hasLifePrize; }},
      {"has laser", 0x5A, 24, true, [](auto& c) { return c.hasLaser; }},
  };
  return cases;
}

TEST(LevelFileRead, EachFieldComesFromItsOffsetAndIgnoredBytesStayIgnored) {
  for (const FieldCase& field : fieldCases()) {
    SCOPED_TRACE(field.name);
    // All zero but the one field, then again with every other byte at 0xA5.
    for (const char filler : {'\0', '\xA5'}) {
      std::string bytes = handMadeFile(0, 0, filler);
      if (filler != '\0') {
        for (const FieldCase& other : fieldCases()) {
          if (other.isByte) {
            bytes[kBlock + other.offset] = 0;
          } else {
            put32(bytes, kBlock + other.offset, 0);
          }
        }
      }
      if (field.isByte)
        bytes[kBlock + field.offset] = char(field.value);
      else
        put32(bytes, kBlock + field.offset, field.value);

      const LevelFile level = parseLevelFile(bytes);
      ASSERT_EQ(level.cells.size(), 1u);
      EXPECT_EQ(field.get(level.cells[0]), field.value);
      // The rest of the record is all zero: nothing came from an ignored byte.
      for (const FieldCase& other : fieldCases())
        if (&other != &field) {
          EXPECT_EQ(other.get(level.cells[0]), 0) << other.name;
        }
    }
  }
}

TEST(LevelFileRead, BlocksRunRowByRowAndStoredColumnZeroIsPlayableColumnOne) {
  std::string bytes = handMadeFile(2, 1, '\0');  // 3 columns, 2 rows
  for (int32_t i = 0; i < 6; ++i) put32(bytes, kBlock * size_t(i + 1), 10 + i);
  const LevelFile level = parseLevelFile(bytes);
  EXPECT_EQ(level.lastColumnIndex, 2);
  EXPECT_EQ(level.lastRow, 1);
  EXPECT_EQ(level.columnCount(), 3);
  EXPECT_EQ(level.cell(1, 0).interiorKind, 10);
  EXPECT_EQ(level.cell(3, 0).interiorKind, 12);
  EXPECT_EQ(level.cell(1, 1).interiorKind, 13);
  EXPECT_EQ(level.cell(3, 1).interiorKind, 15);
  EXPECT_FALSE(level.contains(0, 0));
  EXPECT_FALSE(level.contains(4, 0));
  EXPECT_THROW(level.cell(0, 0), std::out_of_range);
}

TEST(LevelFileRead, IgnoredHeaderBytesAndATornBlockAfterTheLastAreNotRead) {
  std::string bytes = handMadeFile(0, 0, '\x7F');
  bytes += std::string(50, '\x33');  // a torn extra block after the last room is never read
  EXPECT_EQ(parseLevelFile(bytes).cells.size(), 1u);
}

TEST(LevelFileRead, ShortOrImpossibleFilesAreReportedNotRead) {
  struct Case {
    const char* name;
    std::string bytes;
    const char* message;
  };
  const std::string full = handMadeFile(3, 2, '\0');
  std::string tooWide = handMadeFile(0, 0, '\0');
  put32(tooWide, 0, 8);
  std::string negative = handMadeFile(0, 0, '\0');
  put32(negative, 4, -1);
  std::string tooTall = handMadeFile(0, 0, '\0');
  put32(tooTall, 4, 9);
  std::string huge = handMadeFile(0, 0, '\0');
  put32(huge, 0, INT32_MAX);
  const std::vector<Case> cases = {
      {"empty", "", "shorter than its header"},
      {"half a header", std::string(64, '\0'), "shorter than its header"},
      {"header only", full.substr(0, kBlock), "rooms need"},
      {"last block one byte short", full.substr(0, full.size() - 1), "rooms need"},
      {"too many columns for the grid", tooWide, "column index 8"},
      {"negative last row", negative, "last row -1"},
      {"too many rows for the grid", tooTall, "last row 9"},
      {"a column count that overflows", huge, "column index"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      parseLevelFile(c.bytes);
      ADD_FAILURE() << "read without complaint";
    } catch (const LevelFileError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

LevelFile sampleLevel() {
  LevelFile level = makeEmptyLevel(4, 2);
  std::mt19937 random(8);
  for (LevelCellRecord& c : level.cells) {
    c.interiorKind = int32_t(random() % 17);
    c.hasDoor = uint8_t(random() % 2);
    c.hasStairsUp = uint8_t(random() % 3);
    c.hasLift = uint8_t(random() % 2);
    c.liftTargetColumn = int32_t(random() % 5);
    c.liftTargetRow = int32_t(random() % 3);
    c.doorOpen = uint8_t(random() % 2);
    c.doorKey = int32_t(random() % 5) - 1;
    c.lit = uint8_t(random() % 2);
    c.hasKey[random() % 4] = 1;
    c.hasMoney[random() % 3] = int32_t(random());
    c.hasSafe = int32_t(random() % 2);
    c.hasLaser = uint8_t(random() % 256);
  }
  return level;
}

TEST(LevelFileWrite, WhatIsWrittenReadsBackTheSameWithIgnoredBytesZero) {
  const LevelFile level = sampleLevel();
  const std::string bytes = levelFileBytes(level);
  ASSERT_EQ(bytes.size(), 13 * kBlock);
  EXPECT_EQ(parseLevelFile(bytes), level);
  EXPECT_EQ(bytes.substr(8, kBlock - 8), std::string(kBlock - 8, '\0'));
  for (size_t block = 1; block <= 12; ++block)
    for (size_t at : {0x19u, 0x24u, 0x28u, 0x5Bu, 0x7Fu})
      EXPECT_EQ(bytes[block * kBlock + at], '\0') << block << " " << at;
}

TEST(LevelFileWrite, ALevelWhoseRoomsDoNotMatchItsSizeIsRefused) {
  LevelFile level = makeEmptyLevel(2, 1);
  level.cells.pop_back();
  EXPECT_THROW(levelFileBytes(level), LevelFileError);
  EXPECT_THROW(makeEmptyLevel(9, 0), LevelFileError);
}

TEST(LevelFileDisk, RoundTripAndMissingFilesAreNamed) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("nk-level-file-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "level1.vmap").string();
  writeLevelFile(path, sampleLevel());
  EXPECT_EQ(readLevelFile(path), sampleLevel());
  for (const std::string& bad : {(dir / "missing.vmap").string(), dir.string()}) {
    try {
      readLevelFile(bad);
      ADD_FAILURE() << bad;
    } catch (const LevelFileError& e) {
      EXPECT_NE(std::string(e.what()).find(bad), std::string::npos);
    }
  }
  std::ofstream(path, std::ios::binary | std::ios::trunc) << std::string(200, '\0');
  EXPECT_THROW(readLevelFile(path), LevelFileError);
  EXPECT_THROW(writeLevelFile((dir / "no" / "such" / "dir.vmap").string(), sampleLevel()), LevelFileError);
  std::filesystem::remove_all(dir);
}

TEST(LevelConstants, EveryStartRoomLiesInsideItsHouseAndTheGrid) {
  EXPECT_EQ(findLevelConstants(0), nullptr);
  EXPECT_EQ(findLevelConstants(kLevelCount + 1), nullptr);
  for (int level = 1; level <= kLevelCount; ++level) {
    const LevelConstants* c = findLevelConstants(level);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->level, level);
    EXPECT_GE(c->startColumn, 1);
    EXPECT_LE(c->startColumn, c->columnCount);
    EXPECT_GE(c->startRow, 0);
    EXPECT_LE(c->startRow, c->lastRow);
    EXPECT_LE(c->columnCount, kMaxLevelColumns - 1);
    EXPECT_LE(c->lastRow, kMaxLevelRows - 1);
    EXPECT_EQ(c->file, "Data\\level" + std::to_string(level) + ".vmap");
  }
}

}  // namespace
}  // namespace nk
