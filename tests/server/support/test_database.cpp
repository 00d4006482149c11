#include "server/support/test_database.h"

#include <libpq-fe.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <stdexcept>

namespace nk::scores::test {
namespace {

#ifdef NK_TEST_POSTGRES_HOST
constexpr const char* kPostgresHost = NK_TEST_POSTGRES_HOST;
#else
constexpr const char* kPostgresHost = "";
#endif

std::string postgresUrl(const std::string& database) {
  return "postgresql://nokturo@/" + database + "?host=" + kPostgresHost;
}

void runAs(const std::string& database, const std::string& sql) {
  PGconn* c = PQconnectdb(postgresUrl(database).c_str());
  PQsetNoticeProcessor(
      c, [](void*, const char*) {}, nullptr);  // "does not exist, skipping"
  std::string error;
  if (PQstatus(c) != CONNECTION_OK) {
    error = PQerrorMessage(c);
  } else {
    PGresult* r = PQexec(c, sql.c_str());
    if (PQresultStatus(r) != PGRES_COMMAND_OK && PQresultStatus(r) != PGRES_TUPLES_OK)
      error = PQerrorMessage(c);
    PQclear(r);
  }
  PQfinish(c);
  if (!error.empty()) throw std::runtime_error(sql + ": " + error);
}

// Names made only of letters, digits and "_", safe to splice into the statements below.
std::string identifier(const std::string& name) {
  std::string out = "nk_";
  for (char c : name)
    out += std::isalnum(static_cast<unsigned char>(c)) ? static_cast<char>(std::tolower(c)) : '_';
  return out.substr(0, 50) + "_" + std::to_string(::getpid());
}

}  // namespace

std::string backendName(Backend backend) { return backend == Backend::Sqlite ? "sqlite" : "postgresql"; }

bool postgresAvailable() { return kPostgresHost[0] != '\0'; }

TestDatabase::TestDatabase(Backend backend, const std::string& name) : backend_(backend) {
  if (backend == Backend::Sqlite) {
    folder_ = (std::filesystem::temp_directory_path() / identifier(name)).string();
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    file_ = folder_ + "/scores.db";
    location_ = "sqlite:" + file_;
    return;
  }
  postgresName_ = identifier(name);
  runAs("postgres", "DROP DATABASE IF EXISTS " + postgresName_ + " WITH (FORCE)");
  runAs("postgres", "CREATE DATABASE " + postgresName_);
  location_ = postgresUrl(postgresName_);
}

TestDatabase::~TestDatabase() {
  try {
    if (!postgresName_.empty())
      runAs("postgres", "DROP DATABASE IF EXISTS " + postgresName_ + " WITH (FORCE)");
  } catch (const std::exception&) {
    // The cluster goes away with the test run anyway.
  }
  std::error_code ignored;
  if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
}

void TestDatabase::administer(const std::string& sql) const {
  if (backend_ == Backend::Postgres) return runAs(postgresName_, sql);
  sqlite3* db = nullptr;
  const bool done = sqlite3_open(file_.c_str(), &db) == SQLITE_OK &&
                    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
  const std::string error = sqlite3_errmsg(db);
  sqlite3_close(db);
  if (!done) throw std::runtime_error(sql + ": " + error);
}

}  // namespace nk::scores::test
