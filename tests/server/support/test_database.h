#pragma once
#include <string>

namespace nk::scores::test {

enum class Backend { Sqlite, Postgres };

// "sqlite" or "postgresql", for test names.
std::string backendName(Backend backend);

// Whether the test run started its throwaway PostgreSQL cluster.
bool postgresAvailable();

// A fresh, empty database of its own for one test, dropped when the test ends.
class TestDatabase {
 public:
  TestDatabase(Backend backend, const std::string& name);
  ~TestDatabase();
  TestDatabase(const TestDatabase&) = delete;
  TestDatabase& operator=(const TestDatabase&) = delete;

  Backend backend() const { return backend_; }
  // What --db and openScoreStore take.
  const std::string& location() const { return location_; }
  // The SQLite file, or empty.
  const std::string& file() const { return file_; }
  // Runs one statement on the database, as its owner, around the server.
  void administer(const std::string& sql) const;

 private:
  Backend backend_;
  std::string folder_, file_, postgresName_, location_;
};

}  // namespace nk::scores::test
