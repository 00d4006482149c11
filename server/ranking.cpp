#include "server/ranking.h"

#include <ctime>

namespace nk::scores {
namespace {

std::string formatUtc(int64_t unixSeconds, const char* format) {
  const auto seconds = static_cast<std::time_t>(unixSeconds);
  std::tm parts{};
  gmtime_r(&seconds, &parts);
  char text[32];
  return std::string(text, std::strftime(text, sizeof text, format, &parts));
}

}  // namespace

std::vector<RankedScore> ranked(std::vector<StoredScore> best) {
  std::vector<RankedScore> out;
  out.reserve(best.size());
  for (size_t i = 0; i < best.size(); ++i) {
    const bool tied = i > 0 && best[i].score == best[i - 1].score;
    out.push_back({tied ? out.back().rank : static_cast<int>(i) + 1, std::move(best[i])});
  }
  return out;
}

std::string isoTime(int64_t unixSeconds) { return formatUtc(unixSeconds, "%Y-%m-%dT%H:%M:%SZ"); }
std::string russianDate(int64_t unixSeconds) { return formatUtc(unixSeconds, "%d.%m.%Y"); }

}  // namespace nk::scores
