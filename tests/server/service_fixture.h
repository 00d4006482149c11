#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "server/score_service.h"
#include "server/score_store.h"
#include "server/support/test_database.h"

namespace nk::scores::test {

inline constexpr int32_t kTestMaxScore = 50000;
inline constexpr int64_t kStartOfTime = 1'790'000'000;  // 21 September 2026, 14:13:20 UTC

// The service over a fresh database of its own on a clock the test moves.
struct ServiceFixture {
  explicit ServiceFixture(Backend backend = Backend::Sqlite, int reportsPerMinute = 0)
      : database(backend, testing::UnitTest::GetInstance()->current_test_info()->name()),
        store(openScoreStore(database.location())),
        service(*store, {kTestMaxScore, reportsPerMinute}, [this] { return now; }) {}

  HttpReply get(const std::string& target, const std::string& client = "127.0.0.1") {
    return service.handle(target, client);
  }
  // A token from the version query.
  std::string token(const std::string& client = "127.0.0.1") {
    const std::string reply = get("/cgi/version.pl?version&prg=Nokturo", client).body;
    const size_t end = reply.rfind('|'), start = reply.rfind('|', end - 1);
    return reply.substr(start + 1, end - start - 1);
  }
  size_t storedCount() { return store->best(INT64_MIN, 100000).size(); }

  int64_t now = kStartOfTime;
  TestDatabase database;
  std::unique_ptr<ScoreStore> store;
  ScoreService service;
};

}  // namespace nk::scores::test
