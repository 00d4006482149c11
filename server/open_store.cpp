#include "server/score_store.h"

#include "server/store_schema.h"

namespace nk::scores {

int checkedSchemaVersion(int found) {
  if (found > kSchemaVersion) {
    throw StoreError("the database has schema version " + std::to_string(found) +
                     ", newer than this server's " + std::to_string(kSchemaVersion));
  }
  return found;
}

std::unique_ptr<ScoreStore> openScoreStore(const std::string& location) {
  constexpr std::string_view kSqlite = "sqlite:";
  if (location.starts_with(kSqlite)) return openSqliteStore(location.substr(kSqlite.size()));
  if (location.starts_with("postgresql://") || location.starts_with("postgres://"))
    return openPostgresStore(location);
  throw StoreError("unknown database \"" + location + "\": use sqlite:PATH or postgresql://...");
}

}  // namespace nk::scores
