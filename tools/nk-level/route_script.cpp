#include "tools/nk-level/route_script.h"

#include <algorithm>
#include <sstream>

#include "app/screens/level_complete.h"
#include "app/screens/level_intro.h"
#include "app/screens/quick_help.h"
#include "tools/nk-level/laser_beam.h"

namespace nk {
namespace {

// The game's own timings. From the pass that takes Enter on the level intro to the pass the level
// starts: the street fades on from the intro's count at Enter to its end.
constexpr int32_t kIntroPasses = kIntroEnd - kIntroEnterCount;
// The quick help takes a key kHelpWaits passes after the level starts, and is gone when its
// count has gone on from kHelpCloses to kHelpGone.
constexpr int32_t kHelpClosePasses = kHelpGone - kHelpCloses;
// The level-complete screen counts a second of time bonus every kTallyEvery passes from the first
// such pass after kTallyStart; with no time left it is done at once past kTallyStart.
constexpr int32_t kTallyFirst = kTallyStart + kTallyEvery, kTallyEmpty = kTallyStart + 1;
static_assert(kTallyStart % kTallyEvery == 0,
              "the first second is counted kTallyEvery passes after the start");

const char* keyOf(Deed deed) {
  switch (deed) {
    case Deed::ClimbUp: return "Up";
    case Deed::ClimbDown: return "Down";
    case Deed::TakeKey:
    case Deed::CrackSafe: return "Space";
    default: return "Ctrl";
  }
}

int32_t ticksOf(Deed deed) {
  switch (deed) {
    case Deed::OpenDoor: return kOpenDoorTicks;
    case Deed::OpenDoorWithKey: return kOpenDoorWithKeyTicks;
    case Deed::WalkThrough: return kWalkThroughTicks;
    case Deed::ClimbUp:
    case Deed::ClimbDown: return kClimbTicks;
    case Deed::RideLift: return kLiftTicks;
    case Deed::TakeKey: return kTakeKeyTicks;
    case Deed::CrackSafe: return kCrackSafeTicks;
    case Deed::Start: break;
  }
  return 0;
}

// How far a room's beam has swept when he gets control, by the way he came in.
int32_t movesAfter(Deed deed) {
  switch (deed) {
    case Deed::WalkThrough: return kMovesAfterWalkThrough;
    case Deed::ClimbUp: return kMovesAfterClimbUp;
    case Deed::ClimbDown: return kMovesAfterClimbDown;
    case Deed::RideLift: return kMovesAfterLift;
    default: return 0;
  }
}

class Writer {
 public:
  Writer(const LevelFile& level, const LevelConstants& constants, int32_t introPass)
      : level_(level), constants_(constants), setup_(routeSetupFor(constants)), beam_(setup_.beamTopY) {
    line(introPass, "tap Enter", "the level intro");
    int32_t start = introPass + 1 + kIntroPasses;
    if (constants.level == 1) {
      // The quick help of a new game's first level.
      line(start + 1 + kHelpWaits, "tap Space", "closes the quick help");
      start += 1 + kHelpWaits + 1 + kHelpClosePasses;
    }
    clockStart_ = start;
    pass_ = start + 1;
    column_ = setup_.startColumn;
    row_ = setup_.startRow;
    enterRoom(0);
  }

  void play(const RouteStep& step) {
    for (const Leg& leg : step.legs) walk(leg);
    if (step.deed == Deed::Start) return;
    check(step);
    line(pass_ - 1, "tap " + std::string(keyOf(step.deed)), step.action);
    pass_ += ticksOf(step.deed);
    if (step.deed == Deed::CrackSafe) return;
    const bool newRoom = step.endColumn != column_ || step.endRow != row_;
    column_ = step.endColumn;
    row_ = step.endRow;
    pos_ = step.landing;
    if (newRoom) enterRoom(movesAfter(step.deed));
    for (const Leg& leg : step.outLegs) walk(leg);
  }

  RouteScript finish() {
    // The pass the crack ends on is the first the level clock no longer runs on.
    const int32_t crack = pass_;
    const int32_t secondsGone = std::max(0, (crack - 1 - clockStart_) / kTicksPerSecond);
    const int32_t secondsLeft = std::max(0, constants_.timeLimitSeconds() - secondsGone);
    const int32_t tally = secondsLeft > 0 ? kTallyFirst + kTallyEvery * (secondsLeft - 1) : kTallyEmpty;
    const int32_t enter = crack + tally;
    line(enter, "tap Enter", "leaves the level-complete screen once the time bonus is counted");
    return {out_.str(), crack, enter};
  }

 private:
  void line(int32_t pass, const std::string& command, const std::string& why) {
    out_ << pass << " " << command << "  # " << why << "\n";
  }

  void enterRoom(int32_t moves) {
    roomPass_ = pass_;
    roomMoves_ = moves;
  }

  // The beam's moves before the collision test of that pass.
  int32_t movesAt(int32_t pass) const { return roomMoves_ + (pass - roomPass_); }

  bool laserHere() const { return level_.cell(column_, row_).hasLaser != 0; }

  // Holding the arrow from pass `start` takes him a step a pass; each pass tests him against the
  // beam where the last step left him.
  bool safeWalk(int32_t start, int32_t from, int32_t to) const {
    if (!laserHere()) return true;
    const int32_t dir = to >= from ? 1 : -1;
    const Span& zone = setup_.geometry.laserZone;
    for (int32_t k = 0; k <= std::abs(to - from); ++k) {
      if (zone.contains(from + k * dir) && beam_.low(movesAt(start + k))) return false;
    }
    return true;
  }

  void press(const Leg& leg) {
    const int32_t passes = std::max(1, std::abs(leg.to - pos_));
    const char* arrow = leg.right ? "Right" : "Left";
    line(pass_, std::string("down ") + arrow, "walks to " + std::to_string(leg.to));
    line(pass_ + passes, std::string("up ") + arrow, "stands");
    pass_ += passes + kStandTicks;
    pos_ = leg.to;
  }

  // A walk that would meet the beam stops at the zone's edge and goes on when the beam leaves
  // time to cross.
  void walk(const Leg& leg) {
    if (safeWalk(pass_, pos_, leg.to)) return press(leg);
    const Span& zone = setup_.geometry.laserZone;
    if (zone.contains(pos_))
      throw RouteScriptError("he would stand in a laser's way at " + std::to_string(pos_));
    press({leg.right ? zone.lo - 1 : zone.hi + 1, leg.right});
    constexpr int32_t kLongestWait = 4000;
    for (int32_t wait = 0; wait < kLongestWait; ++wait, ++pass_) {
      if (safeWalk(pass_, pos_, leg.to)) return press(leg);
    }
    throw RouteScriptError("the laser never leaves time to cross its room");
  }

  // Space takes what he touches in a fixed order: money before the safe, and of two keys the one
  // the collisions met last, which the search does not know.
  void check(const RouteStep& step) const {
    const LevelCellRecord& cell = level_.cell(column_, row_);
    if (step.deed == Deed::CrackSafe) {
      const bool money =
          std::any_of(cell.hasMoney.begin(), cell.hasMoney.end(), [](auto m) { return m != 0; });
      if (money || cell.hasTimePrize || cell.hasLifePrize)
        throw RouteScriptError("the safe's room holds money or a prize, which Space may take first");
    }
    if (step.deed == Deed::TakeKey) {
      int32_t touched = 0;
      for (size_t k = 0; k < cell.hasKey.size(); ++k)
        touched += cell.hasKey[k] != 0 && setup_.geometry.keys[k].contains(pos_) ? 1 : 0;
      if (touched != 1) throw RouteScriptError("he would touch two keys at once at " + std::to_string(pos_));
    }
  }

  const LevelFile& level_;
  const LevelConstants& constants_;
  RouteSetup setup_;
  LaserBeam beam_;
  std::ostringstream out_;
  int32_t pass_ = 0;  // the next pass that obeys the keys
  int32_t clockStart_ = 0;
  int32_t column_ = 0, row_ = 0, pos_ = 0;
  int32_t roomPass_ = 0, roomMoves_ = 0;
};

}  // namespace

RouteScript writeRouteScript(const Route& route, const LevelFile& level, const LevelConstants& constants,
                             int32_t introPass) {
  if (!route.won) throw RouteScriptError("no route wins the level in time");
  Writer writer(level, constants, introPass);
  for (const RouteStep& step : route.steps) writer.play(step);
  return writer.finish();
}

}  // namespace nk
