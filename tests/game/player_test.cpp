#include <gtest/gtest.h>

#include "game/walking.h"
#include "game/world_objects.h"
#include "house_fixture.h"

namespace nk {
namespace {

// Level 1 with the burglar in his starting room.
using PlayerFixture = test::HouseFixture;

TEST(PlayerWalk, RightStopsAfterPosition151AndBothArrowsWalkRight) {
  PlayerFixture f;
  const TLevelCell& room = f.play.grid.cell(1, 2);
  const int originX = f.play.grid.originX;
  for (int i = 0; i < 200; ++i) WalkStep(*f.player, room, f.builder, true, true);
  EXPECT_EQ(f.player->RoomPosition, 151);
  EXPECT_EQ(f.play.grid.originX, originX - 151);
  EXPECT_FALSE(f.player->FlipH);
  for (int i = 0; i < 10; ++i) WalkStep(*f.player, room, f.builder, false, true);
  EXPECT_EQ(f.player->RoomPosition, 141);
  EXPECT_TRUE(f.player->FlipH);
  EXPECT_TRUE(f.player->FacingLeft);
  for (int i = 0; i < 200; ++i) WalkStep(*f.player, room, f.builder, false, true);
  EXPECT_EQ(f.player->RoomPosition, 0);
  EXPECT_EQ(f.play.grid.originX, originX);
}

TEST(PlayerTouch, RecordsWhatHeTouchesInOrder) {
  PlayerFixture f;
  TPlayer& p = *f.player;
  int caught = 0;
  p.OnCaughtByLaser = [&] { ++caught; };
  const struct {
    const char* what;
    std::function<TSprite*()> make;
    int roomPosition;
    std::function<bool()> flag;
  } cases[] = {
      {"money", [&] { return new TMoney(f.world, 300, 300, 3); }, 0,
       [&] { return p.AtMoney && p.TouchedMoneyKind == 3; }},
      {"key", [&] { return new TKey(f.world, 300, 300, 2); }, 0,
       [&] { return p.AtKey && p.TouchedKeyKind == 2; }},
      {"door near 150", [&] { return new TDoor(f.world, 340, 260); }, 146, [&] { return p.AtDoor; }},
      {"door too far", [&] { return new TDoor(f.world, 340, 260); }, 144, [&] { return !p.AtDoor; }},
      {"door behind", [&] { return new TDoor(f.world, 290, 260); }, 150, [&] { return !p.AtDoor; }},
      {"back door", [&] { return new TBackDoor(f.world, 269, 190); }, 5, [&] { return p.AtBackDoor; }},
      {"back door too far", [&] { return new TBackDoor(f.world, 269, 190); }, 6,
       [&] { return !p.AtBackDoor; }},
      {"safe", [&] { return new TSeif(f.world, 300, 300); }, 0, [&] { return p.AtSafe; }},
      {"lift inside", [&] { return new TLift(f.world, 300, 260); }, 0, [&] { return p.AtLift; }},
      {"lift edge", [&] { return new TLift(f.world, 320, 260); }, 0, [&] { return !p.AtLift; }},
      {"stairs", [&] { return new TStairs(f.world, 290, 260, true); }, 0,
       [&] { return p.AtStairsUp && !p.AtStairsDown; }},
  };
  for (const auto& c : cases) {
    p.ClearTouching();
    p.RoomPosition = c.roomPosition;
    std::unique_ptr<TSprite> other(c.make());
    p.OnCollision(*other, 0, 0);
    EXPECT_TRUE(c.flag()) << c.what;
  }
  EXPECT_EQ(caught, 0);
}

TEST(PlayerTouch, LaserCatchesOnlyLowAndAcrossHisPicture) {
  PlayerFixture f;
  TPlayer& p = *f.player;  // x 300, picture 60 wide; the beam is 100 wide
  int caught = 0;
  p.OnCaughtByLaser = [&] { ++caught; };
  // Caught while the beam is below y 270 and its middle (x + 50) lies strictly inside 300 .. 360.
  const struct {
    float x, y;
    bool catches;
  } cases[] = {{250, 271, false}, {251, 271, true},  {309, 271, true},
               {310, 271, false}, {280, 270, false}, {280, 400, true}};
  for (const auto& c : cases) {
    caught = 0;
    TLaser laser(f.world, 0, 0);
    laser.SetX(c.x);
    laser.SetY(c.y);
    p.OnCollision(laser, 0, 0);
    EXPECT_EQ(caught, c.catches ? 1 : 0) << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace nk
