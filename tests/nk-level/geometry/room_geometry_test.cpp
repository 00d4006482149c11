// The route model's places against the game's own pixel collisions with the art the build drew:
// if a picture changes, the model must change with it or the routes stop working in play.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "app/form1.h"
#include "game/player.h"
#include "game/world_objects.h"
#include "support/form_probe.h"
#include "support/test_host.h"
#include "tools/nk-level/burglar_moves.h"

namespace nk {
namespace {

enum Thing { kDoor, kBackDoor, kStairs, kLift, kSafe, kKey, kLaser, kThings };

// The positions at which he touches each thing in a start room holding all of them (and key
// `key`), standing in his walking picture's first frame.
std::array<Span, kThings> measure(int level, int key) {
  const auto dir = std::filesystem::temp_directory_path() / ("nk-geometry-" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "Data");
  std::filesystem::copy_file(NK_DATA_OIL, dir / "Data/data.oil");
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  const LevelConstants& k = *findLevelConstants(level);
  LevelFile file = makeEmptyLevel(k.columnCount, k.lastRow);
  LevelCellRecord& room = file.cell(k.startColumn, k.startRow);
  room.lit = room.hasDoor = room.hasStairsUp = room.hasLift = room.hasSafe = room.hasLaser = 1;
  room.liftTargetColumn = 1;
  room.hasKey[size_t(key)] = 1;
  file.cell(k.startColumn, k.startRow - 1).hasStairsDown = 1;
  writeLevelFile("Data/level" + std::to_string(level) + ".vmap", file);

  test::TestHost host;
  FormOptions options;
  options.startLevel = level;
  auto form = std::make_unique<TForm1>(host, options);
  form->FormCreate();
  form->FormShow();
  FormProbe probe(*form);
  probe.GameState.FirstGame = false;
  form->LeaveState(Screen::LevelIntro);
  form->EnterState(Screen::Play);
  TPlayer& p = *probe.Play.player;
  bool caught = false;
  p.OnCaughtByLaser = [&] { caught = true; };
  TLaser& laser = *probe.Play.grid.cell(p.Column, p.Row).laser;
  laser.Moving = false;
  laser.SetY(300);  // low enough to catch

  std::array<Span, kThings> spans;
  spans.fill({1, 0});
  for (int32_t pos = 0; pos <= kLastRoomPosition; ++pos) {
    probe.levelBuilder.ScrollWorld(p.RoomPosition - pos, 0);
    p.RoomPosition = pos;
    caught = false;
    probe.NkSprite1.Collision();
    const bool touches[kThings] = {p.AtDoor, p.AtBackDoor, p.AtStairsUp, p.AtLift, p.AtSafe, p.AtKey, caught};
    for (size_t t = 0; t < kThings; ++t) {
      if (!touches[t]) continue;
      if (spans[t].lo > spans[t].hi) spans[t].lo = pos;
      spans[t].hi = pos;
    }
    p.ClearTouching();
  }
  form.reset();
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(dir);
  return spans;
}

void expectSpan(Span measured, Span model, const char* what) {
  if (model.lo > model.hi) {
    EXPECT_GT(measured.lo, measured.hi) << what << " is out of reach";
    return;
  }
  EXPECT_EQ(measured.lo, model.lo) << what;
  EXPECT_EQ(measured.hi, model.hi) << what;
}

TEST(RoomGeometry, MatchesTheGamesCollisionsWithTheBuiltArt) {
  for (int level = 1; level <= kLevelCount; ++level) {
    const RoomGeometry g = roomGeometry(level);
    for (int key = 0; key < kKeyKinds; ++key) {
      SCOPED_TRACE("level " + std::to_string(level) + ", key " + std::to_string(key));
      const auto spans = measure(level, key);
      expectSpan(spans[kKey], g.keys[size_t(key)], "key");
      if (key != 0) continue;
      expectSpan(spans[kDoor], g.door, "door");
      expectSpan(spans[kBackDoor], g.backDoor, "door on the left");
      expectSpan(spans[kStairs], g.stairs, "stairs");
      expectSpan(spans[kLift], g.lift, "lift");
      expectSpan(spans[kSafe], g.safe, "safe");
      expectSpan(spans[kLaser], g.laserZone, "beam");
    }
  }
}

}  // namespace
}  // namespace nk
