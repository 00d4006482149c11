#include "tools/nk-level/route_search.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/nk-level/laser_beam.h"
#include "tools/nk-level/level_source.h"

namespace nk {
namespace {

constexpr int32_t kPlenty = 100000;

// Rooms of a level-1 sized house (4 columns, rows 0 .. 2); the burglar starts in (1, 2).
Route solve(const std::string& rooms, int32_t limit = kPlenty) {
  const LevelSource source = parseLevelSource("level 1\n" + rooms);
  return findBestRoute(source.file, routeSetupFor(*findLevelConstants(1)), limit);
}

std::string actions(const Route& route) {
  std::string out;
  for (const RouteStep& step : route.steps) out += step.action + "; ";
  return out;
}

bool mentions(const Route& route, const std::string& what) {
  return actions(route).find(what) != std::string::npos;
}

TEST(RouteSearch, WalkingOpeningAndCrackingAddUp) {
  const Route route = solve("room 1 2: lit door\nroom 2 2: safe\n");
  ASSERT_TRUE(route.won);
  // Walk 145 to the door and stand, open it, walk through, walk 4 to the safe and stand, crack it.
  EXPECT_EQ(route.ticks,
            145 + kStandTicks + kOpenDoorTicks + kWalkThroughTicks + 4 + kStandTicks + kCrackSafeTicks);
  EXPECT_EQ(route.steps.back().action, "cracks the safe");
  EXPECT_EQ(route.steps.back().endTick, route.ticks);
}

TEST(RouteSearch, AnOpenDoorNeedsNoOpening) {
  const Route route = solve("room 1 2: lit open-door\nroom 2 2: safe\n");
  ASSERT_TRUE(route.won);
  EXPECT_EQ(route.ticks, 145 + kStandTicks + kWalkThroughTicks + 4 + kStandTicks + kCrackSafeTicks);
}

TEST(RouteSearch, AGuardRoomEnteredThroughADoorIsDeath) {
  EXPECT_FALSE(solve("room 1 2: lit door\nroom 2 2: guard safe\n").won);
  EXPECT_FALSE(solve("room 1 2: lit open-door\nroom 2 2: guard door\nroom 3 2: safe\n").won);
}

TEST(RouteSearch, AGuardRoomIsSafeByStairsOrLift) {
  const Route stairs = solve("room 1 2: lit up\nroom 1 1: down guard safe\n");
  ASSERT_TRUE(stairs.won);
  EXPECT_TRUE(mentions(stairs, "climbs up to (1, 1)"));
  const Route lift = solve("room 1 2: lit lift=3,0\nroom 3 0: lift=1,2 guard safe\n");
  ASSERT_TRUE(lift.won);
  EXPECT_TRUE(mentions(lift, "rides the lift to (3, 0)"));
}

TEST(RouteSearch, AGuardRoomMayBeLeftThroughItsDoor) {
  const Route route = solve("room 1 2: lit up\nroom 1 1: down guard door\nroom 2 1: safe\n");
  ASSERT_TRUE(route.won);
  EXPECT_TRUE(mentions(route, "walks through the door to (2, 1)"));
}

TEST(RouteSearch, ALockedDoorNeedsItsKey) {
  EXPECT_FALSE(solve("room 1 2: lit door=2\nroom 2 2: safe\n").won);
  EXPECT_FALSE(solve("room 1 2: lit door=2 key=1\nroom 2 2: safe\n").won);
  const Route route = solve("room 1 2: lit door=2 up\nroom 1 1: down key=2\nroom 2 2: safe\n");
  ASSERT_TRUE(route.won);
  EXPECT_TRUE(mentions(route, "takes key 2"));
  EXPECT_TRUE(mentions(route, "opens the door with key 2"));
  EXPECT_LT(actions(route).find("takes key 2"), actions(route).find("opens the door with key 2"));
}

TEST(RouteSearch, OneKeyOpensEveryDoorOfItsKind) {
  const Route route = solve("room 1 2: lit door=0 key=0\nroom 2 2: door=0\nroom 3 2: safe\n");
  ASSERT_TRUE(route.won);
  // Key 0 is in reach from position 19; then on to the door at 145, twice opened with the one key.
  constexpr int32_t stand = kStandTicks;
  EXPECT_EQ(route.ticks, 19 + stand + kTakeKeyTicks + 126 + stand + kOpenDoorWithKeyTicks +
                             kWalkThroughTicks + 145 + stand + kOpenDoorWithKeyTicks + kWalkThroughTicks + 4 +
                             stand + kCrackSafeTicks);
}

TEST(RouteSearch, TheDoorOnTheLeftOpensFromItsRightSide) {
  // Up in column 2 and back to the left into the safe's room.
  const std::string rooms = "room 1 2: lit door\nroom 2 2: up\nroom 2 1: down\nroom 1 1: door ";
  const Route route = solve(rooms + "safe\n");
  ASSERT_TRUE(route.won);
  EXPECT_TRUE(mentions(route, "opens the door on the left"));
  EXPECT_TRUE(mentions(route, "walks through the door on the left to (1, 1)"));
  EXPECT_FALSE(solve(rooms + "safe guard\n").won);
}

TEST(RouteSearch, TheQuickerOfTwoWaysWins) {
  // A lift straight to the safe beats three doors.
  const Route route =
      solve("room 1 2: lit door lift=4,2\nroom 2 2: door\nroom 3 2: door\nroom 4 2: lift=1,2 safe\n");
  ASSERT_TRUE(route.won);
  EXPECT_EQ(route.steps.size(), 3u);  // start, the lift, the safe
}

TEST(RouteSearch, NoRouteWithinTheLimitIsNoRoute) {
  const std::string rooms = "room 1 2: lit door\nroom 2 2: safe\n";
  const int32_t needed = solve(rooms).ticks;
  EXPECT_TRUE(solve(rooms, needed).won);
  EXPECT_FALSE(solve(rooms, needed - 1).won);
}

TEST(RouteSearch, CrossingALaserRoomCostsItsWaiting) {
  const int32_t plain = solve("room 1 2: lit door\nroom 2 2: door\nroom 3 2: safe\n").ticks;
  const Route route = solve("room 1 2: lit door\nroom 2 2: door laser\nroom 3 2: safe\n");
  ASSERT_TRUE(route.won);
  const RouteSetup setup = routeSetupFor(*findLevelConstants(1));
  const Span& zone = setup.geometry.laserZone;
  const auto wait = LaserBeam(setup.beamTopY).worstWait(zone.hi - zone.lo + 1);
  ASSERT_TRUE(wait.has_value());
  EXPECT_GT(*wait, 0);
  // He stops at the beam's edge, waits, and walks on.
  EXPECT_EQ(route.ticks, plain + kStandTicks + *wait);
}

TEST(RouteSearch, ThingsInALaserRoomAreTakenOutsideTheBeam) {
  // The stairs are used right of the beam, and the climb lands him in it: he steps out.
  const Route route = solve("room 1 2: lit up laser\nroom 1 1: down laser safe\n");
  ASSERT_TRUE(route.won);
  EXPECT_TRUE(mentions(route, "steps out of the laser's way"));
  EXPECT_GT(route.steps[1].walkTicks, roomGeometry(1).laserZone.hi);
}

TEST(RoomGeometry, ClimbingLandsOnTheStairsAndTheBeamMissesTheDoors) {
  for (const int32_t level : {1, 5}) {
    SCOPED_TRACE(level);
    const RoomGeometry g = roomGeometry(level);
    EXPECT_TRUE(g.stairs.contains(g.landingFacingRight));
    EXPECT_TRUE(g.stairs.contains(g.landingFacingLeft));
    EXPECT_LT(g.backDoor.hi, g.laserZone.lo);
    EXPECT_GT(g.door.lo, g.laserZone.hi);
    EXPECT_LT(g.lift.lo, g.laserZone.lo);
  }
  EXPECT_EQ(roomGeometry(5).laserZone.lo, roomGeometry(1).laserZone.lo - 4);
}

TEST(LaserBeam, StartsHighSweepsDownAndLeavesTimeToCross) {
  const LaserBeam beam(205.0);
  for (int32_t m = 0; m < 50; ++m) EXPECT_FALSE(beam.low(m)) << m;
  int32_t firstLow = 0;
  while (!beam.low(firstLow)) ++firstLow;
  EXPECT_LT(firstLow, 100);
  EXPECT_TRUE(beam.clearFor(0, firstLow));
  EXPECT_FALSE(beam.clearFor(0, firstLow + 1));
  const auto wait = beam.worstWait(59);
  ASSERT_TRUE(wait.has_value());
  EXPECT_GT(*wait, 0);
  EXPECT_LT(*wait, 200);
  EXPECT_FALSE(beam.worstWait(400).has_value());  // no gap is that long
  // A beam built lower is low sooner.
  int32_t lowerFirst = 0;
  while (!LaserBeam(212.0).low(lowerFirst)) ++lowerFirst;
  EXPECT_LT(lowerFirst, firstLow);
}

}  // namespace
}  // namespace nk
