#include "tools/nk-level/check_report.h"

#include <cstdio>
#include <string>

#include "tools/nk-level/level_rules.h"
#include "tools/nk-level/route_search.h"

namespace nk {
namespace {

// m:ss.t on the level clock.
std::string clockTime(int32_t ticks) {
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d.%d", ticks / kTicksPerSecond / 60, ticks / kTicksPerSecond % 60,
                ticks % kTicksPerSecond * 10 / kTicksPerSecond);
  return text;
}

void printRoute(const Route& route, std::ostream& out) {
  out << "   clock  room     walk  action\n";
  for (const RouteStep& step : route.steps) {
    char line[64];
    std::snprintf(line, sizeof line, "%8s  (%d, %d)  %5d  ", clockTime(step.endTick).c_str(), step.column,
                  step.row, step.walkTicks);
    out << line << step.action;
    if (step.actionTicks > 0) out << " (" << step.actionTicks << ")";
    out << "\n";
  }
}

}  // namespace

bool checkLevel(const LevelFile& level, const LevelConstants& constants, std::ostream& out) {
  const std::vector<std::string> problems = levelProblems(level, constants);
  for (const std::string& p : problems) out << "problem: " << p << "\n";
  if (!problems.empty()) return false;

  const int32_t limit = constants.timeLimitSeconds() * kTicksPerSecond;
  const auto allowed = static_cast<int32_t>(limit * kRouteTimeShare);
  const Route route = findBestRoute(level, routeSetupFor(constants), limit);
  const std::string limitText = std::to_string(constants.timeMinutes) + ":" +
                                (constants.timeSeconds < 10 ? "0" : "") +
                                std::to_string(constants.timeSeconds);
  if (!route.won) {
    out << "level " << constants.level << " cannot be won within its " << limitText << "\n";
    return false;
  }
  printRoute(route, out);
  char summary[160];
  std::snprintf(summary, sizeof summary,
                "level %d: best route %d ticks (%s) of %d (%s), %.1f%%; allowed %d ticks (%.0f%%)\n",
                constants.level, route.ticks, clockTime(route.ticks).c_str(), limit, limitText.c_str(),
                100.0 * route.ticks / limit, allowed, 100 * kRouteTimeShare);
  out << summary;
  if (route.ticks > allowed) {
    out << "the best route needs more than " << 100 * kRouteTimeShare << "% of the time limit\n";
    return false;
  }
  return true;
}

}  // namespace nk
