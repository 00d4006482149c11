#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "server/backend_param.h"
#include "server/support/server_process.h"
#include "server/support/test_database.h"

namespace nk::scores::test {

// A test on each backend with a fresh database of its own; the server's log goes beside it.
class OnEachBackend : public testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    if (GetParam() == Backend::Postgres && !postgresAvailable())
      GTEST_SKIP() << "no PostgreSQL in this test run";
    database = std::make_unique<TestDatabase>(GetParam(), testName());
  }
  // A failed test keeps its logs to look at.
  void TearDown() override {
    std::error_code ignored;
    if (!HasFailure()) {
      for (const auto& file : logs_) std::filesystem::remove(file, ignored);
    }
  }
  static std::string testName() { return testing::UnitTest::GetInstance()->current_test_info()->name(); }
  // A log file of this test's own.
  std::filesystem::path log(const std::string& what = "server") {
    std::string name = testName() + "-" + what;
    for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '-';
    logs_.push_back(std::filesystem::temp_directory_path() /
                    ("nokturo-scores-" + std::to_string(getpid()) + "-" + name + ".log"));
    return logs_.back();
  }
  std::unique_ptr<ServerProcess> start(std::vector<std::string> args = {},
                                       const std::string& name = "server") {
    args.insert(args.begin(), {"--db", database->location()});
    return std::make_unique<ServerProcess>(args, log(name));
  }

  std::unique_ptr<TestDatabase> database;

 private:
  std::vector<std::filesystem::path> logs_;
};

}  // namespace nk::scores::test
