#pragma once
#include <array>
#include <string_view>

#include "server/score_store.h"

namespace nk::scores {

// Migration n (from 1) brings a database from schema version n - 1 to n. The two backends
// differ only in their types.
inline constexpr std::array<std::string_view, kSchemaVersion> kSqliteMigrations{
    "CREATE TABLE scores (id INTEGER PRIMARY KEY, name TEXT NOT NULL, score INTEGER NOT NULL,"
    "  player TEXT NOT NULL, received_at INTEGER NOT NULL);"
    "CREATE INDEX scores_best ON scores (score DESC, received_at, id);"
    "CREATE INDEX scores_received ON scores (received_at);"
    "CREATE TABLE tokens (token TEXT PRIMARY KEY, expires_at INTEGER NOT NULL, used_at INTEGER);"
    "CREATE INDEX tokens_expiry ON tokens (expires_at);"};

inline constexpr std::array<std::string_view, kSchemaVersion> kPostgresMigrations{
    "CREATE TABLE scores (id BIGSERIAL PRIMARY KEY, name TEXT NOT NULL, score INTEGER NOT NULL,"
    "  player TEXT NOT NULL, received_at BIGINT NOT NULL);"
    "CREATE INDEX scores_best ON scores (score DESC, received_at, id);"
    "CREATE INDEX scores_received ON scores (received_at);"
    "CREATE TABLE tokens (token TEXT PRIMARY KEY, expires_at BIGINT NOT NULL, used_at BIGINT);"
    "CREATE INDEX tokens_expiry ON tokens (expires_at);"};

// The version found, or StoreError when it is newer than this server knows.
int checkedSchemaVersion(int found);

}  // namespace nk::scores
