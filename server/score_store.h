#pragma once
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace nk::scores {

// Times are whole seconds since 1970 (UTC); texts are UTF-8.
struct NewScore {
  std::string name;
  int32_t score = 0;
  std::string player;
  int64_t receivedAt = 0;
};

struct StoredScore {
  std::string name;
  int32_t score = 0;
  int64_t receivedAt = 0;

  bool operator==(const StoredScore&) const = default;
};

enum class TokenVerdict { Accepted, Unknown, Used, Expired };

// The database could not do what was asked; nothing was changed.
class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where the scores and the one-time tokens live. Every method may run on many threads at once
// and throws StoreError when the database fails. Several servers may share one database, so
// nothing is kept in the process.
class ScoreStore {
 public:
  virtual ~ScoreStore() = default;

  // Remembers a fresh token, usable once until expiresAt.
  virtual void addToken(const std::string& token, int64_t expiresAt) = 0;
  // In one transaction: uses the token up when it is known, unused and still valid at
  // score.receivedAt, and stores the score. Accepted means both are committed.
  virtual TokenVerdict addScore(const std::string& token, const NewScore& score) = 0;
  // The best `limit` scores received at `since` or later, best first, the earlier of equals first.
  virtual std::vector<StoredScore> best(int64_t since, int limit) = 0;
  // Drops the tokens whose time ran out before `now`.
  virtual void forgetExpiredTokens(int64_t now) = 0;
  // Throws unless the database answers.
  virtual void check() = 0;
};

// The schema version this server writes; a store refuses to open a database of a newer one.
inline constexpr int kSchemaVersion = 1;

// "sqlite:PATH" (PATH may be a SQLite "file:" URI) or "postgresql://..." / "postgres://...":
// connects, and creates or upgrades the schema.
std::unique_ptr<ScoreStore> openScoreStore(const std::string& location);

std::unique_ptr<ScoreStore> openSqliteStore(const std::string& path);
std::unique_ptr<ScoreStore> openPostgresStore(const std::string& connection);

}  // namespace nk::scores
