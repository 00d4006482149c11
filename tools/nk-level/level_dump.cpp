#include "tools/nk-level/level_dump.h"

namespace nk {

nlohmann::ordered_json dumpLevel(const LevelFile& level) {
  nlohmann::ordered_json cells = nlohmann::ordered_json::array();
  for (int32_t row = 0; row <= level.lastRow; ++row) {
    for (int32_t column = 1; column <= level.columnCount(); ++column) {
      const LevelCellRecord& c = level.cell(column, row);
      cells.push_back({{"row", row},
                       {"column", column},
                       {"interior", c.interiorKind},
                       {"door", c.hasDoor},
                       {"stairsUp", c.hasStairsUp},
                       {"stairsDown", c.hasStairsDown},
                       {"lift", c.hasLift},
                       {"liftColumn", c.liftTargetColumn},
                       {"liftRow", c.liftTargetRow},
                       {"doorOpen", c.doorOpen},
                       {"doorKey", c.doorKey},
                       {"lit", c.lit},
                       {"keyBoard", c.hasKeyBoard},
                       {"keys", c.hasKey},
                       {"guard", c.hasGuard},
                       {"cat", c.hasCat},
                       {"money", c.hasMoney},
                       {"safe", c.hasSafe},
                       {"timePrize", c.hasTimePrize},
                       {"lifePrize", c.hasLifePrize},
                       {"laser", c.hasLaser}});
    }
  }
  return {
      {"lastColumnIndex", level.lastColumnIndex}, {"lastRow", level.lastRow}, {"cells", std::move(cells)}};
}

}  // namespace nk
