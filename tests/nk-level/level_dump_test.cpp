#include "tools/nk-level/level_dump.h"

#include <gtest/gtest.h>

#include <string>

namespace nk {
namespace {

void put32(std::string& bytes, size_t at, int32_t value) {
  for (size_t i = 0; i < 4; ++i) bytes[at + i] = char((uint32_t(value) >> (8 * i)) & 0xFF);
}

TEST(LevelDump, ShowsTheStoredValuesInFileOrderWithPlayableColumns) {
  // Two stored columns, one row; ignored bytes hold 0xEE, fields odd but stored values.
  std::string bytes(3 * kLevelBlockSize, '\xEE');
  put32(bytes, 0, 1);
  put32(bytes, 4, 0);
  for (size_t block : {1u, 2u}) {
    const size_t b = block * kLevelBlockSize;
    for (size_t at : {0x00u, 0x08u, 0x0Cu, 0x14u, 0x2Cu, 0x30u, 0x34u, 0x38u, 0x3Cu, 0x40u, 0x44u, 0x48u,
                      0x4Cu, 0x50u, 0x54u})
      put32(bytes, b + at, 0);
    for (size_t at : {0x04u, 0x05u, 0x06u, 0x07u, 0x10u, 0x18u, 0x58u, 0x59u, 0x5Au}) bytes[b + at] = 0;
  }
  const size_t second = 2 * kLevelBlockSize;
  put32(bytes, second + 0x00, 42);  // an interior kind the game does not know
  bytes[second + 0x04] = 7;         // a flag byte of 7 is stored as 7
  put32(bytes, second + 0x14, -5);
  put32(bytes, second + 0x38, 1);
  put32(bytes, second + 0x50, 3);
  bytes[second + 0x5A] = char(0xFF);

  const auto json = dumpLevel(parseLevelFile(bytes));
  EXPECT_EQ(json["lastColumnIndex"], 1);
  EXPECT_EQ(json["lastRow"], 0);
  ASSERT_EQ(json["cells"].size(), 2u);
  const auto& first = json["cells"][0];
  EXPECT_EQ(first["row"], 0);
  EXPECT_EQ(first["column"], 1);
  EXPECT_EQ(first["interior"], 0);
  EXPECT_EQ(first["doorKey"], 0);
  const auto& cell = json["cells"][1];
  EXPECT_EQ(cell["column"], 2);
  EXPECT_EQ(cell["interior"], 42);
  EXPECT_EQ(cell["door"], 7);
  EXPECT_EQ(cell["doorKey"], -5);
  EXPECT_EQ(cell["keys"], nlohmann::json({0, 0, 0, 1}));
  EXPECT_EQ(cell["money"], nlohmann::json({0, 0, 3}));
  EXPECT_EQ(cell["laser"], 255);
  // Every field the dump promises, in its order.
  std::string names;
  for (const auto& [key, value] : cell.items()) names += key + " ";
  EXPECT_EQ(names,
            "row column interior door stairsUp stairsDown lift liftColumn liftRow doorOpen doorKey lit "
            "keyBoard keys "
            "guard cat money safe timePrize lifePrize laser ");
}

}  // namespace
}  // namespace nk
