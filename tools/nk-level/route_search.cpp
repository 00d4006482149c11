#include "tools/nk-level/route_search.h"

#include <algorithm>
#include <bitset>
#include <cstdlib>
#include <functional>
#include <optional>
#include <queue>
#include <unordered_map>

#include "tools/nk-level/laser_beam.h"

namespace nk {
namespace {

using DoorSet = std::bitset<kMaxLevelRows * kMaxLevelColumns>;

struct State {
  int32_t column = 0;
  int32_t row = 0;
  int32_t pos = 0;
  bool facingRight = true;
  uint8_t keys = 0;
  DoorSet opened;
  bool safeCracked = false;

  bool operator==(const State&) const = default;
};

struct StateHash {
  size_t operator()(const State& s) const {
    size_t h = std::hash<DoorSet>{}(s.opened);
    for (int32_t v :
         {s.column, s.row, s.pos, int32_t(s.facingRight), int32_t(s.keys), int32_t(s.safeCracked)})
      h = h * 1000003u ^ std::hash<int32_t>{}(v);
    return h;
  }
};

struct Node {
  State state;
  int32_t time;
  int32_t previous;
  RouteStep step;
};

// Where walking up to something leaves him, how long it took, and the arrows pressed on the way.
struct Stand {
  int32_t pos;
  bool facingRight;
  int32_t ticks;
  std::vector<Leg> legs;
  Span within;  // the stretch he may stand on for what he came for
};

// An arrow press moves him a step as it turns him, unless a wall stops him; where that step would
// take him off the stretch he steps back first.
Stand faced(Stand s, bool right) {
  if (s.facingRight == right) return s;
  const int32_t step = right ? 1 : -1;
  const bool blocked = right ? s.pos > kWalkLimit : s.pos == 0;
  const int32_t next = blocked ? s.pos : s.pos + step;
  if (!s.within.contains(next)) {
    s.legs.push_back({s.pos - step, !right});
    s.legs.push_back({s.pos, right});
    s.ticks += 2 * (1 + kStandTicks);
  } else {
    s.legs.push_back({next, right});
    s.pos = next;
    s.ticks += 1 + kStandTicks;
  }
  s.facingRight = right;
  return s;
}

size_t doorIndex(int32_t column, int32_t row) { return size_t(row * kMaxLevelColumns + column); }

class Search {
 public:
  Search(const LevelFile& level, const RouteSetup& setup, int32_t tickLimit)
      : level_(level), setup_(setup), limit_(tickLimit), geometry_(setup.geometry), beam_(setup.beamTopY) {
    const Span& zone = geometry_.laserZone;
    crossingWait_ = beam_.worstWait(zone.hi - zone.lo + 1);
  }

  Route run() {
    State start;
    start.column = setup_.startColumn;
    start.row = setup_.startRow;
    offer(start, 0, -1,
          {start.column, start.row, {}, 0, Deed::Start, 0, "starts at room position 0", 0, 0, 0, -1, {}});
    while (!queue_.empty()) {
      const auto [time, index] = queue_.top();
      queue_.pop();
      if (time != nodes_[size_t(index)].time || best_.at(nodes_[size_t(index)].state) != index) continue;
      if (nodes_[size_t(index)].state.safeCracked) return routeTo(index);
      expand(index);
    }
    return {};
  }

 private:
  using Entry = std::pair<int32_t, int32_t>;  // time, node

  void offer(const State& s, int32_t time, int32_t previous, RouteStep step) {
    if (time > limit_) return;
    const auto found = best_.find(s);
    if (found != best_.end() && nodes_[size_t(found->second)].time <= time) return;
    step.endTick = time;
    step.endColumn = s.column;
    step.endRow = s.row;
    if (step.landing < 0) step.landing = s.pos;
    nodes_.push_back({s, time, previous, std::move(step)});
    const auto index = int32_t(nodes_.size() - 1);
    best_[s] = index;
    queue_.push({time, index});
  }

  Route routeTo(int32_t index) const {
    Route route;
    route.won = true;
    route.ticks = nodes_[size_t(index)].time;
    for (int32_t i = index; i >= 0; i = nodes_[size_t(i)].previous)
      route.steps.push_back(nodes_[size_t(i)].step);
    std::reverse(route.steps.begin(), route.steps.end());
    return route;
  }

  bool laserIn(int32_t column, int32_t row) const { return level_.cell(column, row).hasLaser != 0; }

  // A walk ends with letting go of the arrow; walking across a laser's zone means stopping at its
  // edge and waiting for the beam to rise first.
  std::optional<int32_t> walkTicks(const State& s, int32_t to) const {
    const int32_t ticks = std::abs(to - s.pos);
    if (ticks == 0) return 0;
    const Span& zone = geometry_.laserZone;
    if (!laserIn(s.column, s.row) || std::min(s.pos, to) >= zone.lo || std::max(s.pos, to) <= zone.hi)
      return ticks + kStandTicks;
    if (!crossingWait_) return std::nullopt;
    return ticks + 2 * kStandTicks + *crossingWait_;
  }

  // The nearest places in the span he can stand on (never in a laser's way).
  std::vector<Stand> approach(const State& s, Span span) const {
    std::vector<Span> parts{span};
    if (laserIn(s.column, s.row)) {
      const Span& zone = geometry_.laserZone;
      parts = {{span.lo, std::min(span.hi, zone.lo - 1)}, {std::max(span.lo, zone.hi + 1), span.hi}};
    }
    std::vector<Stand> stands;
    for (const Span& part : parts) {
      if (part.lo > part.hi) continue;
      Stand stand{s.pos, s.facingRight, 0, {}, part};
      if (s.pos < part.lo) stand = {part.lo, true, 0, {{part.lo, true}}, part};
      if (s.pos > part.hi) stand = {part.hi, false, 0, {{part.hi, false}}, part};
      if (const auto ticks = walkTicks(s, stand.pos)) {
        stand.ticks = *ticks;
        stands.push_back(std::move(stand));
      }
    }
    return stands;
  }

  // He gets control in the new room; inside a laser's zone he must walk out before the beam is low.
  // moves: how far the new room's beam has swept when he gets control.
  void arrive(int32_t from, State next, int32_t ticks, int32_t moves, RouteStep step) {
    step.landing = next.pos;
    const Span& zone = geometry_.laserZone;
    if (!laserIn(next.column, next.row) || !zone.contains(next.pos)) {
      offer(next, nodes_[size_t(from)].time + ticks, from, std::move(step));
      return;
    }
    for (const bool right : {false, true}) {
      const int32_t steps = right ? zone.hi - next.pos + 1 : next.pos - zone.lo + 1;
      if (!beam_.clearFor(moves, steps)) continue;
      State out = next;
      out.pos = right ? zone.hi + 1 : zone.lo - 1;
      out.facingRight = right;
      RouteStep outStep = step;
      outStep.action += ", then " + std::to_string(steps) + " steps out of the laser's way";
      outStep.actionTicks += steps + kStandTicks;
      outStep.outLegs = {{out.pos, right}};
      offer(out, nodes_[size_t(from)].time + ticks + steps + kStandTicks, from, std::move(outStep));
    }
  }

  RouteStep stepAt(const State& s, const Stand& stand, Deed deed, int32_t actionTicks,
                   std::string action) const {
    return {s.column, s.row, stand.legs, stand.ticks, deed, actionTicks, std::move(action), 0, 0, 0, -1, {}};
  }

  void expand(int32_t index) {
    const State s = nodes_[size_t(index)].state;
    const LevelCellRecord& cell = level_.cell(s.column, s.row);
    const int32_t now = nodes_[size_t(index)].time;
    if (cell.hasSafe) {
      for (const Stand& stand : approach(s, geometry_.safe)) {
        State done = s;
        done.safeCracked = true;
        offer(done, now + stand.ticks + kCrackSafeTicks, index,
              stepAt(s, stand, Deed::CrackSafe, kCrackSafeTicks, "cracks the safe"));
      }
    }
    for (int32_t k = 0; k < kKeyKinds; ++k) {
      if (!cell.hasKey[size_t(k)] || (s.keys >> k & 1)) continue;
      for (const Stand& stand : approach(s, geometry_.keys[size_t(k)])) {
        State next = s;
        next.pos = stand.pos;
        next.facingRight = stand.facingRight;
        next.keys = uint8_t(s.keys | 1 << k);
        offer(next, now + stand.ticks + kTakeKeyTicks, index,
              stepAt(s, stand, Deed::TakeKey, kTakeKeyTicks, "takes key " + std::to_string(k)));
      }
    }
    if (cell.hasDoor && s.column < level_.columnCount()) useDoor(index, s.column, true);
    if (s.column > 1 && level_.cell(s.column - 1, s.row).hasDoor) useDoor(index, s.column - 1, false);
    if (cell.hasStairsUp && s.row > 0) climb(index, -1);
    if (cell.hasStairsDown && s.row < level_.lastRow) climb(index, +1);
    if (cell.hasLift && level_.contains(cell.liftTargetColumn, cell.liftTargetRow)) rideLift(index, cell);
  }

  void useDoor(int32_t index, int32_t doorColumn, bool right) {
    const State s = nodes_[size_t(index)].state;
    const LevelCellRecord& door = level_.cell(doorColumn, s.row);
    const size_t bit = doorIndex(doorColumn, s.row);
    const std::string which = right ? "the door" : "the door on the left";
    for (Stand stand : approach(s, right ? geometry_.door : geometry_.backDoor)) {
      stand = faced(stand, right);
      State next = s;
      next.pos = stand.pos;
      next.facingRight = right;
      if (door.doorOpen || s.opened[bit]) {
        next.column = right ? s.column + 1 : s.column - 1;
        if (level_.cell(next.column, s.row).hasGuard) continue;  // he would be shot
        next.pos = right ? 0 : kWalkBackLanding;
        arrive(index, next, stand.ticks + kWalkThroughTicks, kMovesAfterWalkThrough,
               stepAt(s, stand, Deed::WalkThrough, kWalkThroughTicks,
                      "walks through " + which + " to " + roomName(next)));
      } else if (door.doorKey == kNoDoorKey) {
        next.opened.set(bit);
        offer(next, nodes_[size_t(index)].time + stand.ticks + kOpenDoorTicks, index,
              stepAt(s, stand, Deed::OpenDoor, kOpenDoorTicks, "opens " + which));
      } else if (door.doorKey >= 0 && door.doorKey < kKeyKinds && (s.keys >> door.doorKey & 1)) {
        next.opened.set(bit);
        offer(next, nodes_[size_t(index)].time + stand.ticks + kOpenDoorWithKeyTicks, index,
              stepAt(s, stand, Deed::OpenDoorWithKey, kOpenDoorWithKeyTicks,
                     "opens " + which + " with key " + std::to_string(door.doorKey)));
      }
    }
  }

  void climb(int32_t index, int32_t rows) {
    const State s = nodes_[size_t(index)].state;
    for (const Stand& reached : approach(s, geometry_.stairs)) {
      for (const bool right : {true, false}) {
        const Stand stand = faced(reached, right);
        State next = s;
        next.row = s.row + rows;
        next.facingRight = right;
        next.pos = right ? geometry_.landingFacingRight : geometry_.landingFacingLeft;
        arrive(index, next, stand.ticks + kClimbTicks, rows < 0 ? kMovesAfterClimbUp : kMovesAfterClimbDown,
               stepAt(s, stand, rows < 0 ? Deed::ClimbUp : Deed::ClimbDown, kClimbTicks,
                      std::string(rows < 0 ? "climbs up" : "climbs down") + " to " + roomName(next)));
      }
    }
  }

  void rideLift(int32_t index, const LevelCellRecord& cell) {
    const State s = nodes_[size_t(index)].state;
    for (const Stand& stand : approach(s, geometry_.lift)) {
      State next = s;
      next.column = cell.liftTargetColumn;
      next.row = cell.liftTargetRow;
      next.pos = stand.pos;
      next.facingRight = stand.facingRight;
      if (next.column == s.column && next.row == s.row) continue;
      arrive(index, next, stand.ticks + kLiftTicks, kMovesAfterLift,
             stepAt(s, stand, Deed::RideLift, kLiftTicks, "rides the lift to " + roomName(next)));
    }
  }

  static std::string roomName(const State& s) {
    return "(" + std::to_string(s.column) + ", " + std::to_string(s.row) + ")";
  }

  const LevelFile& level_;
  RouteSetup setup_;
  int32_t limit_;
  RoomGeometry geometry_;
  LaserBeam beam_;
  std::optional<int32_t> crossingWait_;
  std::vector<Node> nodes_;
  std::unordered_map<State, int32_t, StateHash> best_;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue_;
};

}  // namespace

Route findBestRoute(const LevelFile& level, const RouteSetup& setup, int32_t tickLimit) {
  if (!level.contains(setup.startColumn, setup.startRow)) return {};
  return Search(level, setup, tickLimit).run();
}

}  // namespace nk
