// nokturo-scores-load: many games report at once to a fresh nokturo-scores; prints reports per
// second and the report's latency, and fails unless every report was acknowledged and stored.
//   nokturo-scores-load --backend sqlite|postgresql [--clients N] [--reports N]
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "server/support/report_load.h"
#include "server/support/server_process.h"
#include "server/support/test_database.h"

namespace {

using namespace nk::scores::test;

int run(Backend backend, int clients, int reports) {
  const std::string name = backendName(backend);
  if (backend == Backend::Postgres && !postgresAvailable()) {
    std::cerr << "nokturo-scores-load: this build has no PostgreSQL test cluster\n";
    return 1;
  }
  TestDatabase database(backend, "load");
  const auto log =
      std::filesystem::temp_directory_path() / ("nokturo-scores-load-" + std::to_string(getpid()) + ".log");
  ServerProcess server({"--db", database.location(), "--reports-per-minute", "0"}, log);
  std::atomic<int> acked = 0;
  const std::atomic<bool> never = false;
  LoadRun result = sendReports(server.url(), clients, reports, 1, acked, never);
  std::vector<SentReport> listed = listedScores(server.url());
  server.terminate();
  std::filesystem::remove(log);

  std::ranges::sort(result.acknowledged, {}, &SentReport::score);
  std::ranges::sort(listed, {}, &SentReport::score);
  const bool allStored = listed == result.acknowledged;
  std::printf("scores_%s_reports_per_s %.0f /s\n", name.c_str(),
              static_cast<double>(reports) / result.seconds);
  std::printf("scores_%s_report_p50_ms %.1f ms\n", name.c_str(), percentile(result.reportMilliseconds, 0.5));
  std::printf("scores_%s_report_p99_ms %.1f ms\n", name.c_str(), percentile(result.reportMilliseconds, 0.99));
  if (result.failed > 0 || !allStored) {
    std::fprintf(stderr, "nokturo-scores-load: %d of %d reports failed, %zu acknowledged, %zu listed\n",
                 result.failed, reports, result.acknowledged.size(), listed.size());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<Backend> backend;
  int clients = 16, reports = 2000;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i], value = argv[i + 1];
    if (flag == "--backend" && (value == "sqlite" || value == "postgresql")) {
      backend = value == "sqlite" ? Backend::Sqlite : Backend::Postgres;
    } else if (flag == "--clients") {
      clients = std::max(1, std::atoi(value.c_str()));
    } else if (flag == "--reports") {
      reports = std::max(1, std::atoi(value.c_str()));
    } else {
      backend.reset();
      break;
    }
  }
  if (!backend || argc % 2 == 0) {
    std::cerr << "usage: nokturo-scores-load --backend sqlite|postgresql [--clients N] [--reports N]\n";
    return 2;
  }
  try {
    return run(*backend, clients, reports);
  } catch (const std::exception& e) {
    std::cerr << "nokturo-scores-load: " << e.what() << "\n";
    return 1;
  }
}
