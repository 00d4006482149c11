#include "server/support/report_load.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <mutex>
#include <thread>

#include "server/support/score_client.h"

namespace nk::scores::test {

LoadRun sendReports(const std::string& url, int clients, int reports, int32_t firstScore,
                    std::atomic<int>& acked, const std::atomic<bool>& stop) {
  LoadRun run;
  std::mutex lock;
  std::atomic<int> next = 0;
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> threads;
  for (int c = 0; c < clients; ++c) {
    threads.emplace_back([&, c] {
      ScoreClient client(url);
      // Names the game could type: Cyrillic letters and digits.
      const std::string name = "Гость" + std::to_string(c);
      for (int i = next++; i < reports && !stop; i = next++) {
        const int32_t score = firstScore + i;
        const std::string token = client.token();
        const auto sent = std::chrono::steady_clock::now();
        const ScoreClient::Answer answer = client.get(reportTarget(gameReport(name, score, token)));
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - sent;
        std::lock_guard guard(lock);
        if (answer.status == 200 && answer.body == "OK") {
          run.acknowledged.push_back({name, score});
          run.reportMilliseconds.push_back(took.count());
          ++acked;
        } else {
          ++run.failed;
        }
      }
    });
  }
  for (std::thread& t : threads) t.join();
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return run;
}

std::vector<SentReport> listedScores(const std::string& url) {
  ScoreClient client(url);
  const ScoreClient::Answer answer = client.get("/api/scores?period=all&limit=10000");
  std::vector<SentReport> out;
  if (answer.status != 200) return out;
  for (const auto& row : nlohmann::json::parse(answer.body)) {
    out.push_back({row["name"].get<std::string>(), row["score"].get<int32_t>()});
  }
  return out;
}

double percentile(std::vector<double> values, double share) {
  if (values.empty()) return 0;
  std::ranges::sort(values);
  const auto index =
      static_cast<size_t>(std::max(1.0, std::ceil(share * static_cast<double>(values.size())))) - 1;
  return values[std::min(index, values.size() - 1)];
}

}  // namespace nk::scores::test
