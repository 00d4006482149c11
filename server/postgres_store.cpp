// The shared store: PostgreSQL through libpq, a few connections per server process, every
// statement parameterised.
#include <libpq-fe.h>

#include <condition_variable>
#include <mutex>

#include "server/score_store.h"
#include "server/store_schema.h"

namespace nk::scores {
namespace {

constexpr size_t kMaxConnections = 8;
// A report is acknowledged only once it is on disk, whatever the database's default; a lock
// held elsewhere or a stuck statement gives an error instead of a request that never ends.
constexpr const char* kSessionSettings =
    "SET synchronous_commit = on; SET client_encoding = 'UTF8'; SET lock_timeout = '3s';"
    "SET statement_timeout = '10s'";
// Keeps two servers from creating or upgrading the schema at the same time.
constexpr const char* kSchemaLock = "SELECT pg_advisory_xact_lock(7400100001)";

struct ConnectionCloser {
  void operator()(PGconn* c) const { PQfinish(c); }
};
struct ResultClearer {
  void operator()(PGresult* r) const { PQclear(r); }
};
using Connection = std::unique_ptr<PGconn, ConnectionCloser>;

std::string oneLine(std::string message) {
  while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
  for (char& c : message) c = c == '\n' ? ' ' : c;
  return message;
}

// The rows of one statement; throws StoreError when it failed.
class Result {
 public:
  Result(PGconn* c, const char* sql, const std::vector<std::string>& values = {}) {
    std::vector<const char*> texts;
    for (const std::string& v : values) texts.push_back(v.c_str());
    result_.reset(values.empty() ? PQexec(c, sql)
                                 : PQexecParams(c, sql, static_cast<int>(texts.size()), nullptr, texts.data(),
                                                nullptr, nullptr, 0));
    const ExecStatusType status = PQresultStatus(result_.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
      throw StoreError("postgresql: " + oneLine(PQerrorMessage(c)));
  }
  int rows() const { return PQntuples(result_.get()); }
  bool isNull(int row, int column) const { return PQgetisnull(result_.get(), row, column) == 1; }
  std::string text(int row, int column) const { return PQgetvalue(result_.get(), row, column); }
  int64_t integer(int row, int column) const { return std::stoll(text(row, column)); }
  // Rows an UPDATE or DELETE touched.
  std::string touched() const { return PQcmdTuples(result_.get()); }

 private:
  std::unique_ptr<PGresult, ResultClearer> result_;
};

// Rolls back unless committed.
class Transaction {
 public:
  explicit Transaction(PGconn* c) : connection_(c) { Result(c, "BEGIN"); }
  ~Transaction() {
    if (connection_ != nullptr) PQclear(PQexec(connection_, "ROLLBACK"));
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void commit() {
    Result(connection_, "COMMIT");
    connection_ = nullptr;
  }

 private:
  PGconn* connection_;
};

Connection connect(const std::string& conninfo) {
  Connection c(PQconnectdb(conninfo.c_str()));
  if (!c) throw StoreError("postgresql: out of memory");
  if (PQstatus(c.get()) != CONNECTION_OK) throw StoreError("postgresql: " + oneLine(PQerrorMessage(c.get())));
  Result(c.get(), kSessionSettings);
  return c;
}

int schemaVersion(PGconn* c) {
  if (Result(c, "SELECT to_regclass('schema_version')").isNull(0, 0)) return 0;
  const Result version(c, "SELECT coalesce(max(version), 0) FROM schema_version");
  return static_cast<int>(version.integer(0, 0));
}

class PostgresStore final : public ScoreStore {
 public:
  explicit PostgresStore(std::string conninfo) : conninfo_(std::move(conninfo)) {
    Lease lease(*this);
    migrate(lease.get());
  }

  void addToken(const std::string& token, int64_t expiresAt) override {
    Lease lease(*this);
    Result(lease.get(), "INSERT INTO tokens (token, expires_at) VALUES ($1, $2)",
           {token, std::to_string(expiresAt)});
  }

  TokenVerdict addScore(const std::string& token, const NewScore& score) override {
    Lease lease(*this);
    PGconn* c = lease.get();
    Transaction transaction(c);
    const std::string at = std::to_string(score.receivedAt);
    const Result used(
        c, "UPDATE tokens SET used_at = $2 WHERE token = $1 AND used_at IS NULL AND expires_at > $2",
        {token, at});
    if (used.touched() != "1") return whyRefused(c, token);
    Result(c, "INSERT INTO scores (name, score, player, received_at) VALUES ($1, $2, $3, $4)",
           {score.name, std::to_string(score.score), score.player, at});
    transaction.commit();
    return TokenVerdict::Accepted;
  }

  std::vector<StoredScore> best(int64_t since, int limit) override {
    Lease lease(*this);
    const Result rows(lease.get(),
                      "SELECT name, score, received_at FROM scores WHERE received_at >= $1 "
                      "ORDER BY score DESC, received_at, id LIMIT $2",
                      {std::to_string(since), std::to_string(limit)});
    std::vector<StoredScore> out;
    for (int row = 0; row < rows.rows(); ++row) {
      out.push_back({rows.text(row, 0), static_cast<int32_t>(rows.integer(row, 1)), rows.integer(row, 2)});
    }
    return out;
  }

  void forgetExpiredTokens(int64_t now) override {
    Lease lease(*this);
    Result(lease.get(), "DELETE FROM tokens WHERE expires_at <= $1", {std::to_string(now)});
  }

  void check() override {
    Lease lease(*this);
    Result(lease.get(), "SELECT 1");
  }

 private:
  // One connection taken from the pool for one call, given back after it; a broken one is
  // dropped, and the next lease opens a new one.
  class Lease {
   public:
    explicit Lease(PostgresStore& store) : store_(store), connection_(store.take()) {}
    ~Lease() { store_.giveBack(std::move(connection_)); }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    PGconn* get() const { return connection_.get(); }

   private:
    PostgresStore& store_;
    Connection connection_;
  };

  Connection take() {
    std::unique_lock guard(lock_);
    returned_.wait(guard, [&] { return !idle_.empty() || open_ < kMaxConnections; });
    if (!idle_.empty()) {
      Connection c = std::move(idle_.back());
      idle_.pop_back();
      return c;
    }
    ++open_;
    guard.unlock();
    try {
      return connect(conninfo_);
    } catch (...) {
      giveBack(nullptr);
      throw;
    }
  }

  void giveBack(Connection c) {
    {
      std::lock_guard guard(lock_);
      if (c && PQstatus(c.get()) == CONNECTION_OK && PQtransactionStatus(c.get()) == PQTRANS_IDLE) {
        idle_.push_back(std::move(c));
      } else {
        --open_;
      }
    }
    returned_.notify_one();
  }

  static TokenVerdict whyRefused(PGconn* c, const std::string& token) {
    const Result row(c, "SELECT used_at FROM tokens WHERE token = $1", {token});
    if (row.rows() == 0) return TokenVerdict::Unknown;
    return row.isNull(0, 0) ? TokenVerdict::Expired : TokenVerdict::Used;
  }

  static void migrate(PGconn* c) {
    if (checkedSchemaVersion(schemaVersion(c)) == kSchemaVersion) return;
    Transaction transaction(c);
    Result(c, kSchemaLock);
    const int from = checkedSchemaVersion(schemaVersion(c));  // another server may have been first
    Result(c, "CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
    for (int version = from + 1; version <= kSchemaVersion; ++version) {
      Result(c, std::string(kPostgresMigrations[static_cast<size_t>(version - 1)]).c_str());
    }
    Result(c, "DELETE FROM schema_version");
    Result(c, "INSERT INTO schema_version (version) VALUES ($1)", {std::to_string(kSchemaVersion)});
    transaction.commit();
  }

  const std::string conninfo_;
  std::mutex lock_;
  std::condition_variable returned_;
  std::vector<Connection> idle_;
  size_t open_ = 0;  // idle and leased
};

}  // namespace

std::unique_ptr<ScoreStore> openPostgresStore(const std::string& connection) {
  return std::make_unique<PostgresStore>(connection);
}

}  // namespace nk::scores
