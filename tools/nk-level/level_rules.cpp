#include "tools/nk-level/level_rules.h"

namespace nk {
namespace {

std::string roomName(int32_t column, int32_t row) {
  return "room (" + std::to_string(column) + ", " + std::to_string(row) + ")";
}

void checkRoom(const LevelFile& level, const LevelConstants& constants, int32_t column, int32_t row,
               std::vector<std::string>& problems) {
  const LevelCellRecord& cell = level.cell(column, row);
  const std::string name = roomName(column, row);
  const bool start = column == constants.startColumn && row == constants.startRow;
  auto problem = [&](const std::string& what) { problems.push_back(name + " " + what); };

  if (start && !cell.lit) problem("is where the burglar starts but is not lit");
  // A lit room's objects are built at level start and again when he walks in.
  if (!start && cell.lit) problem("is lit but the burglar does not start there");
  if (start && cell.hasGuard) problem("is where the burglar starts but holds a guard");
  if (cell.interiorKind < 0 || cell.interiorKind >= kInteriorKinds)
    problem("has interior kind " + std::to_string(cell.interiorKind) + ", outside 0 .. 16");
  if (cell.doorKey < kNoDoorKey || cell.doorKey >= kKeyKinds)
    problem("has door key " + std::to_string(cell.doorKey) + ", outside -1 .. 3");
  if (cell.hasDoor && column == level.columnCount()) problem("has a door in the house's right wall");
  if (cell.hasStairsUp && !(row > 0 && level.cell(column, row - 1).hasStairsDown))
    problem("has stairs up but the room above has no stairs down");
  if (cell.hasStairsDown && !(row < level.lastRow && level.cell(column, row + 1).hasStairsUp))
    problem("has stairs down but the room below has no stairs up");
  if (cell.hasLift) {
    const int32_t c = cell.liftTargetColumn, r = cell.liftTargetRow;
    if (!level.contains(c, r) || !level.cell(c, r).hasLift)
      problem("has a lift to " + roomName(c, r) + ", which holds no lift");
  }
}

}  // namespace

std::vector<std::string> levelProblems(const LevelFile& level, const LevelConstants& constants) {
  std::vector<std::string> problems;
  if (level.columnCount() != constants.columnCount || level.lastRow != constants.lastRow) {
    problems.push_back("the file holds " + std::to_string(level.columnCount()) + " columns and rows 0 .. " +
                       std::to_string(level.lastRow) + "; level " + std::to_string(constants.level) +
                       " has " + std::to_string(constants.columnCount) + " columns and rows 0 .. " +
                       std::to_string(constants.lastRow));
    return problems;
  }
  int safes = 0;
  for (int32_t row = 0; row <= level.lastRow; ++row) {
    for (int32_t column = 1; column <= level.columnCount(); ++column) {
      checkRoom(level, constants, column, row, problems);
      if (level.cell(column, row).hasSafe) ++safes;
    }
  }
  if (safes != 1) problems.push_back("the house holds " + std::to_string(safes) + " safes, not exactly one");
  return problems;
}

}  // namespace nk
