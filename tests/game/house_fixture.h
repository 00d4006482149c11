#pragma once
#include <functional>

#include "game/level_constants.h"
#include "world_fixture.h"

namespace nk::test {

// A house of the level's size from a file the test furnishes (the starting room is lit), with
// the burglar standing at the start.
struct HouseFixture : WorldFixture {
  explicit HouseFixture(const std::function<void(LevelFile&)>& furnish = {}, int level = 1)
      : WorldFixture(level) {
    const LevelConstants& k = *findLevelConstants(level);
    LevelFile file = makeEmptyLevel(k.columnCount, k.lastRow);
    file.cell(k.startColumn, k.startRow).lit = 1;
    if (furnish) furnish(file);
    builder.Build(file, k);
    player = play.player = new TPlayer(world, k.startColumn, k.startRow);
  }

  TLevelCell& room() { return play.grid.cell(player->Column, player->Row); }

  TPlayer* player;
};

}  // namespace nk::test
