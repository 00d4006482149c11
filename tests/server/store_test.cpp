// The store's promises, on both backends.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "server/backend_param.h"
#include "server/score_store.h"
#include "server/support/test_database.h"
#include "service_fixture.h"

namespace nk::scores::test {
namespace {

class Store : public testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    if (GetParam() == Backend::Postgres && !postgresAvailable())
      GTEST_SKIP() << "no PostgreSQL in this test run";
    database = std::make_unique<TestDatabase>(GetParam(),
                                              testing::UnitTest::GetInstance()->current_test_info()->name());
    store = openScoreStore(database->location());
  }
  std::unique_ptr<TestDatabase> database;
  std::unique_ptr<ScoreStore> store;
};

TEST_P(Store, ATokenIsGoodOnceAndOnlyInItsTime) {
  store->addToken("t1", 1000);
  store->addToken("t2", 1000);
  EXPECT_EQ(store->addScore("nope", {"А", 1, "", 10}), TokenVerdict::Unknown);
  EXPECT_EQ(store->addScore("t1", {"А", 1, "", 999}), TokenVerdict::Accepted);
  EXPECT_EQ(store->addScore("t1", {"Б", 2, "", 999}), TokenVerdict::Used);
  EXPECT_EQ(store->addScore("t2", {"В", 3, "", 1000}), TokenVerdict::Expired);
  EXPECT_EQ(store->best(INT64_MIN, 10), (std::vector<StoredScore>{{"А", 1, 999}}));
}

TEST_P(Store, BestComesFirstAndEqualsInTheOrderTheyCame) {
  int token = 0;
  auto add = [&](const std::string& name, int32_t score, int64_t at) {
    const std::string t = "t" + std::to_string(++token);
    store->addToken(t, at + 10);
    ASSERT_EQ(store->addScore(t, {name, score, "", at}), TokenVerdict::Accepted);
  };
  add("старый", 500, 100);
  add("новый", 500, 200);
  add("первый", 900, 300);
  add("слабый", 10, 400);
  EXPECT_EQ(store->best(INT64_MIN, 10),
            (std::vector<StoredScore>{
                {"первый", 900, 300}, {"старый", 500, 100}, {"новый", 500, 200}, {"слабый", 10, 400}}));
  EXPECT_EQ(store->best(INT64_MIN, 2).size(), 2u);
  EXPECT_EQ(store->best(200, 10),
            (std::vector<StoredScore>{{"первый", 900, 300}, {"новый", 500, 200}, {"слабый", 10, 400}}));
}

TEST_P(Store, ExpiredTokensAreForgottenLiveOnesKept) {
  store->addToken("old", 100);
  store->addToken("live", 200);
  store->forgetExpiredTokens(150);
  EXPECT_EQ(store->addScore("old", {"А", 1, "", 90}), TokenVerdict::Unknown);
  EXPECT_EQ(store->addScore("live", {"А", 1, "", 150}), TokenVerdict::Accepted);
}

TEST_P(Store, OneTokenRacedFromManyThreadsStoresOneScore) {
  store->addToken("race", 1000);
  std::atomic<int> accepted = 0;
  std::vector<std::thread> threads;
  for (int i = 0; i < 8; ++i) {
    threads.emplace_back([&, i] {
      if (store->addScore("race", {"Г" + std::to_string(i), i, "", 10}) == TokenVerdict::Accepted) ++accepted;
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_EQ(accepted, 1);
  EXPECT_EQ(store->best(INT64_MIN, 10).size(), 1u);
}

TEST_P(Store, ScoresOutliveTheStoreAndTheSchemaIsMadeOnce) {
  store->addToken("t", 1000);
  ASSERT_EQ(store->addScore("t", {"Зед", 1200, "Вор", 5}), TokenVerdict::Accepted);
  store.reset();
  store = openScoreStore(database->location());
  EXPECT_EQ(store->best(INT64_MIN, 10), (std::vector<StoredScore>{{"Зед", 1200, 5}}));
}

TEST_P(Store, ADatabaseOfANewerSchemaIsLeftAlone) {
  store.reset();
  database->administer("UPDATE schema_version SET version = 99");
  EXPECT_THROW(openScoreStore(database->location()), StoreError);
}

NK_ON_EACH_BACKEND(Store);

TEST(OpenStore, UnknownOrUnreachableDatabasesAreErrors) {
  EXPECT_THROW(openScoreStore("mysql://x"), StoreError);
  EXPECT_THROW(openScoreStore("sqlite:/nonexistent-folder/x/scores.db"), StoreError);
  EXPECT_THROW(openScoreStore("postgresql://nobody@/none?host=/nonexistent-folder"), StoreError);
}

}  // namespace
}  // namespace nk::scores::test
