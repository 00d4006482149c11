#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace nk::scores::test {

// One report of a load run; its score tells it apart from every other.
struct SentReport {
  std::string name;  // UTF-8
  int32_t score = 0;
  bool operator==(const SentReport&) const = default;
};

struct LoadRun {
  std::vector<SentReport> acknowledged;    // the reports answered OK
  std::vector<double> reportMilliseconds;  // the report requests' latencies, acknowledged ones
  int failed = 0;                          // refused or unanswered
  double seconds = 0;
};

// `clients` threads, each a game on its own connection, send `reports` reports in all (version
// query, then the report) with scores from firstScore up. `acked` counts the OKs as they come;
// the run ends early once `stop` is set.
LoadRun sendReports(const std::string& url, int clients, int reports, int32_t firstScore,
                    std::atomic<int>& acked, const std::atomic<bool>& stop);

// The scores the server lists (all time, up to 10,000).
std::vector<SentReport> listedScores(const std::string& url);

// The value below which `share` (0..1) of the sorted values lie.
double percentile(std::vector<double> values, double share);

}  // namespace nk::scores::test
