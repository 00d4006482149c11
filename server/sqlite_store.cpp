// The embedded store: one SQLite file in WAL mode, every commit synced before it counts.
#include <sqlite3.h>

#include <mutex>
#include <optional>

#include "server/score_store.h"
#include "server/store_schema.h"

namespace nk::scores {
namespace {

constexpr int kBusyMilliseconds = 3000;

struct DbCloser {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StatementFinalizer {
  void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Db = std::unique_ptr<sqlite3, DbCloser>;

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
  throw StoreError("sqlite: " + what + ": " + sqlite3_errmsg(db));
}

// One prepared statement with its values bound from ?1 on.
class Statement {
 public:
  template <typename... Values>
  Statement(sqlite3* db, const char* sql, const Values&... values) : db_(db) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) != SQLITE_OK) fail(db, "prepare");
    statement_.reset(s);
    int index = 0;
    (bind(++index, values), ...);
  }

  // True while there is a row to read.
  bool step() {
    const int result = sqlite3_step(statement_.get());
    if (result != SQLITE_ROW && result != SQLITE_DONE) fail(db_, "step");
    return result == SQLITE_ROW;
  }
  int64_t integer(int column) const { return sqlite3_column_int64(statement_.get(), column); }
  bool isNull(int column) const { return sqlite3_column_type(statement_.get(), column) == SQLITE_NULL; }
  std::string text(int column) const {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement_.get(), column));
    return bytes != nullptr
               ? std::string(bytes, static_cast<size_t>(sqlite3_column_bytes(statement_.get(), column)))
               : std::string();
  }

 private:
  void bind(int index, int64_t value) { check(sqlite3_bind_int64(statement_.get(), index, value)); }
  void bind(int index, int32_t value) { bind(index, int64_t{value}); }
  void bind(int index, const std::string& value) {
    check(sqlite3_bind_text(statement_.get(), index, value.data(), static_cast<int>(value.size()),
                            SQLITE_TRANSIENT));
  }
  void check(int result) {
    if (result != SQLITE_OK) fail(db_, "bind");
  }

  sqlite3* db_;
  std::unique_ptr<sqlite3_stmt, StatementFinalizer> statement_;
};

void execute(sqlite3* db, const std::string& sql) {
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) fail(db, sql.substr(0, 40));
}

// Rolls back unless committed.
class Transaction {
 public:
  Transaction(sqlite3* db, const char* begin) : db_(db) { execute(db, begin); }
  ~Transaction() {
    if (db_ != nullptr) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void commit() {
    execute(db_, "COMMIT");
    db_ = nullptr;
  }

 private:
  sqlite3* db_;
};

Db openDb(const std::string& path) {
  sqlite3* raw = nullptr;
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
  const int result = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
  Db db(raw);
  if (result != SQLITE_OK) {
    throw StoreError("sqlite: cannot open " + path + ": " +
                     (raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(result)));
  }
  sqlite3_busy_timeout(db.get(), kBusyMilliseconds);
  sqlite3_extended_result_codes(db.get(), 1);
  return db;
}

int schemaVersion(sqlite3* db) {
  Statement table(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'schema_version'");
  if (!table.step() || table.integer(0) == 0) return 0;
  Statement version(db, "SELECT coalesce(max(version), 0) FROM schema_version");
  return version.step() ? static_cast<int>(version.integer(0)) : 0;
}

class SqliteStore final : public ScoreStore {
 public:
  explicit SqliteStore(const std::string& path) : writer_(openDb(path)) {
    const bool readOnly = sqlite3_db_readonly(writer_.get(), "main") == 1;
    // A read-only database keeps the journal it has; it can still show the scores.
    if (!readOnly) {
      execute(writer_.get(), "PRAGMA journal_mode = WAL");
      execute(writer_.get(), "PRAGMA synchronous = FULL");
    }
    migrate();
    reader_ = openDb(path);
  }

  void addToken(const std::string& token, int64_t expiresAt) override {
    std::lock_guard guard(writeLock_);
    Statement(writer_.get(), "INSERT INTO tokens (token, expires_at) VALUES (?1, ?2)", token, expiresAt)
        .step();
  }

  TokenVerdict addScore(const std::string& token, const NewScore& score) override {
    std::lock_guard guard(writeLock_);
    sqlite3* db = writer_.get();
    Transaction transaction(db, "BEGIN IMMEDIATE");
    Statement(db, "UPDATE tokens SET used_at = ?2 WHERE token = ?1 AND used_at IS NULL AND expires_at > ?2",
              token, score.receivedAt)
        .step();
    if (sqlite3_changes(db) != 1) return whyRefused(token);
    Statement(db, "INSERT INTO scores (name, score, player, received_at) VALUES (?1, ?2, ?3, ?4)", score.name,
              score.score, score.player, score.receivedAt)
        .step();
    transaction.commit();
    return TokenVerdict::Accepted;
  }

  std::vector<StoredScore> best(int64_t since, int limit) override {
    std::lock_guard guard(readLock_);
    Statement rows(reader_.get(),
                   "SELECT name, score, received_at FROM scores WHERE received_at >= ?1 "
                   "ORDER BY score DESC, received_at, id LIMIT ?2",
                   since, int64_t{limit});
    std::vector<StoredScore> out;
    while (rows.step()) out.push_back({rows.text(0), static_cast<int32_t>(rows.integer(1)), rows.integer(2)});
    return out;
  }

  void forgetExpiredTokens(int64_t now) override {
    std::lock_guard guard(writeLock_);
    Statement(writer_.get(), "DELETE FROM tokens WHERE expires_at <= ?1", now).step();
  }

  void check() override {
    std::lock_guard guard(readLock_);
    Statement(reader_.get(), "SELECT count(*) FROM schema_version").step();
  }

 private:
  TokenVerdict whyRefused(const std::string& token) {
    Statement row(writer_.get(), "SELECT used_at FROM tokens WHERE token = ?1", token);
    if (!row.step()) return TokenVerdict::Unknown;
    return row.isNull(0) ? TokenVerdict::Expired : TokenVerdict::Used;
  }

  void migrate() {
    sqlite3* db = writer_.get();
    if (checkedSchemaVersion(schemaVersion(db)) == kSchemaVersion) return;
    Transaction transaction(db, "BEGIN IMMEDIATE");
    const int from = checkedSchemaVersion(schemaVersion(db));  // another server may have been first
    execute(db, "CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
    for (int version = from + 1; version <= kSchemaVersion; ++version) {
      execute(db, std::string(kSqliteMigrations[static_cast<size_t>(version - 1)]));
    }
    execute(db, "DELETE FROM schema_version");
    Statement(db, "INSERT INTO schema_version (version) VALUES (?1)", int64_t{kSchemaVersion}).step();
    transaction.commit();
  }

  Db writer_, reader_;
  std::mutex writeLock_, readLock_;
};

}  // namespace

std::unique_ptr<ScoreStore> openSqliteStore(const std::string& path) {
  return std::make_unique<SqliteStore>(path);
}

}  // namespace nk::scores
