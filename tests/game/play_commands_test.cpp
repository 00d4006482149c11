#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "game/play_commands.h"
#include "platform/keys.h"
#include "world_fixture.h"

namespace nk {
namespace {

TEST(PlayCommands, OneCommandATickInPriorityOrderClearingOnlyWhatItActsOn) {
  const struct {
    std::set<int> released;
    bool right, left;
    PlayCommand command;
    std::set<int> left_over;
  } cases[] = {
      {{vk::Escape, vk::Control}, true, false, PlayCommand::Quit, {vk::Control}},
      {{vk::Control, vk::Space}, true, false, PlayCommand::Walk, {vk::Control, vk::Space}},
      {{}, false, true, PlayCommand::Walk, {}},
      {{vk::Right, vk::Left}, false, false, PlayCommand::Stand, {vk::Left}},
      {{vk::Left, 'P'}, false, false, PlayCommand::Stand, {'P'}},
      {{'P', vk::F1, vk::Control}, false, false, PlayCommand::Pause, {vk::Control}},
      {{vk::F1}, false, false, PlayCommand::Pause, {}},
      {{vk::Control, vk::Space, vk::Down, vk::Up},
       false,
       false,
       PlayCommand::Use,
       {vk::Space, vk::Down, vk::Up}},
      {{vk::Space, vk::Down, vk::Up}, false, false, PlayCommand::Take, {vk::Down, vk::Up}},
      {{vk::Down, vk::Up}, false, false, PlayCommand::ClimbDown, {vk::Up}},
      {{vk::Up}, false, false, PlayCommand::ClimbUp, {}},
      {{vk::Return}, false, false, PlayCommand::None, {vk::Return}},
  };
  for (const auto& c : cases) {
    std::array<bool, 256> keys{};
    for (int k : c.released) keys[static_cast<size_t>(k)] = true;
    EXPECT_EQ(TakePlayCommand(keys, c.right, c.left), c.command) << static_cast<int>(c.command);
    std::set<int> still;
    for (int k = 0; k < 256; ++k) {
      if (keys[static_cast<size_t>(k)]) still.insert(k);
    }
    EXPECT_EQ(still, c.left_over) << static_cast<int>(c.command);
  }
}

// A house of 4 columns and 3 floors with nothing in it but what a case puts there.
struct Commands {
  Commands() {
    grid.lastRow = 2;
    grid.columnCount = 4;
  }
  LevelCellRecord& room(int column, int row) { return grid.cell(column, row).stored; }

  TLevelGrid grid;
};

void faceLeft(TPlayer& p) {
  p.FacingRight = false;
  p.FacingLeft = true;
}

TEST(PlayCommands, CtrlUsesTheDoorsAndTheLiftButNeverLeavesTheHouse) {
  const struct {
    const char* what;
    int column;
    std::function<void(Commands&, TPlayer&)> setup;
    std::optional<Action> action;
  } cases[] = {
      {"open door", 2, [](Commands& f, TPlayer& p) { p.AtDoor = true, f.room(2, 1).doorOpen = 1; },
       Action::WalkThroughDoor},
      {"open door out of the house", 4,
       [](Commands& f, TPlayer& p) { p.AtDoor = true, f.room(4, 1).doorOpen = 1; }, std::nullopt},
      {"closed door opens anywhere", 4, [](Commands&, TPlayer& p) { p.AtDoor = true; }, Action::OpenDoor},
      {"locked door, key carried", 2,
       [](Commands& f, TPlayer& p) { p.AtDoor = true, f.room(2, 1).doorKey = 2, p.CarriedKeys[2] = 1; },
       Action::OpenDoorWithKey},
      {"locked door, no key", 2,
       [](Commands& f, TPlayer& p) { p.AtDoor = true, f.room(2, 1).doorKey = 2, p.CarriedKeys[1] = 1; },
       Action::MissingKey},
      {"door locked by a key that does not exist", 2,
       [](Commands& f, TPlayer& p) { p.AtDoor = true, f.room(2, 1).doorKey = 9; }, Action::MissingKey},
      {"door while facing left", 2, [](Commands&, TPlayer& p) { p.AtDoor = true, faceLeft(p); },
       std::nullopt},
      {"open back door", 2,
       [](Commands& f, TPlayer& p) {
         p.AtBackDoor = true, faceLeft(p), f.room(1, 1).hasDoor = f.room(1, 1).doorOpen = 1;
       },
       Action::WalkBack},
      {"closed back door", 2,
       [](Commands& f, TPlayer& p) { p.AtBackDoor = true, faceLeft(p), f.room(1, 1).hasDoor = 1; },
       Action::OpenBackDoor},
      {"locked back door, key carried", 2,
       [](Commands& f, TPlayer& p) {
         p.AtBackDoor = true, faceLeft(p), f.room(1, 1).hasDoor = 1, f.room(1, 1).doorKey = 0,
         p.CarriedKeys[0] = 1;
       },
       Action::OpenBackDoorWithKey},
      {"locked back door, no key", 2,
       [](Commands& f, TPlayer& p) {
         p.AtBackDoor = true, faceLeft(p), f.room(1, 1).hasDoor = 1, f.room(1, 1).doorKey = 3;
       },
       Action::MissingKey},
      {"back door of the house's first room", 1,
       [](Commands&, TPlayer& p) { p.AtBackDoor = true, faceLeft(p); }, std::nullopt},
      {"back door facing right", 2,
       [](Commands& f, TPlayer& p) { p.AtBackDoor = true, f.room(1, 1).hasDoor = 1; }, std::nullopt},
      {"wall without door, lift", 2,
       [](Commands& f, TPlayer& p) {
         p.AtBackDoor = p.AtLift = true, faceLeft(p), f.room(2, 1).liftTargetColumn = 3;
       },
       Action::RideLift},
      {"lift to the top floor", 2,
       [](Commands& f, TPlayer& p) {
         p.AtLift = true, f.room(2, 1).liftTargetColumn = 4, f.room(2, 1).liftTargetRow = 0;
       },
       Action::RideLift},
      {"lift beyond the last column", 2,
       [](Commands& f, TPlayer& p) { p.AtLift = true, f.room(2, 1).liftTargetColumn = 5; }, std::nullopt},
      {"lift below the ground floor", 2,
       [](Commands& f, TPlayer& p) {
         p.AtLift = true, f.room(2, 1).liftTargetColumn = 2, f.room(2, 1).liftTargetRow = 3;
       },
       std::nullopt},
      {"lift into the outer wall", 2,
       [](Commands& f, TPlayer& p) { p.AtLift = true, f.room(2, 1).liftTargetColumn = 0; }, std::nullopt},
      {"nothing touched", 2, [](Commands&, TPlayer&) {}, std::nullopt},
  };
  test::WorldFixture w;
  for (const auto& c : cases) {
    Commands f;
    TPlayer p(w.world, c.column, 1);
    c.setup(f, p);
    EXPECT_EQ(UseAction(p, f.grid), c.action) << c.what;
  }
}

TEST(PlayCommands, SpaceTakesTheFirstThingTouchedAndClimbingNeedsAFloor) {
  test::WorldFixture w;
  Commands f;
  const auto p = std::make_unique<TPlayer>(w.world, 1, 1);
  const struct {
    std::function<void(TPlayer&)> touch;
    std::optional<Action> action;
  } takes[] = {
      {[](TPlayer& q) { q.AtKey = q.AtMoney = q.AtLifePrize = q.AtTimePrize = q.AtSafe = true; },
       Action::TakeKey},
      {[](TPlayer& q) { q.AtMoney = q.AtLifePrize = q.AtTimePrize = q.AtSafe = true; }, Action::TakeMoney},
      {[](TPlayer& q) { q.AtLifePrize = q.AtTimePrize = q.AtSafe = true; }, Action::TakeLife},
      {[](TPlayer& q) { q.AtTimePrize = q.AtSafe = true; }, Action::TakeTime},
      {[](TPlayer& q) { q.AtSafe = true; }, Action::CrackSafe},
      {[](TPlayer& q) { q.AtDoor = q.AtLift = q.AtStairsUp = true; }, std::nullopt},
  };
  for (const auto& c : takes) {
    p->ClearTouching();
    c.touch(*p);
    EXPECT_EQ(TakeAction(*p), c.action);
  }
  const struct {
    int row;
    bool atUp, atDown, up;
    std::optional<Action> action;
  } climbs[] = {
      {1, true, false, true, Action::ClimbUp},    {0, true, false, true, std::nullopt},
      {1, false, true, false, Action::ClimbDown}, {2, false, true, false, std::nullopt},
      {1, false, true, true, std::nullopt},       {1, true, false, false, std::nullopt},
  };
  for (const auto& c : climbs) {
    p->Row = c.row;
    p->AtStairsUp = c.atUp;
    p->AtStairsDown = c.atDown;
    EXPECT_EQ(ClimbAction(*p, f.grid, c.up), c.action) << c.row << c.up;
  }
}

}  // namespace
}  // namespace nk
