#pragma once
#include <gtest/gtest.h>

#include <string>

#include "server/support/test_database.h"

namespace nk::scores::test {

// "sqlite" or "postgresql" as the name of a test's backend parameter.
inline std::string backendTestName(const testing::TestParamInfo<Backend>& info) {
  return backendName(info.param);
}

// A suite of TEST_Ps on both backends, or on SQLite alone where the store makes no difference.
#define NK_ON_EACH_BACKEND(Suite)                                                                \
  INSTANTIATE_TEST_SUITE_P(Backends, Suite, testing::Values(Backend::Sqlite, Backend::Postgres), \
                           backendTestName)
#define NK_ON_SQLITE(Suite) \
  INSTANTIATE_TEST_SUITE_P(Sqlite, Suite, testing::Values(Backend::Sqlite), backendTestName)

}  // namespace nk::scores::test
