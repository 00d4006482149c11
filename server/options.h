#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace nk::scores {

struct Options {
  std::string host = "127.0.0.1";
  int port = 8080;  // 0: any free port
  std::string database = "sqlite:scores.db";
  int32_t maxScore = 0;  // filled with the shipped houses' bound unless given
  int reportsPerMinute = 30;
  std::string clientHeader;  // take the client's address from this header (set by a proxy)
  bool help = false, version = false;
};

inline constexpr const char* kUsage =
    "usage: nokturo-scores [--listen HOST:PORT] [--db sqlite:PATH | postgresql://...] [--max-score N]\n"
    "                      [--reports-per-minute N] [--client-address-header NAME] [--version] [--help]\n"
    "  --listen HOST:PORT         where to listen (default 127.0.0.1:8080; port 0 picks a free one)\n"
    "  --db sqlite:PATH           the SQLite file (default sqlite:scores.db)\n"
    "  --db postgresql://...      a PostgreSQL database, which several servers may share\n"
    "  --max-score N              refuse reports above N (default: the most the shipped houses allow)\n"
    "  --reports-per-minute N     per client address and server; 0 turns the limit off (default 30)\n"
    "  --client-address-header H  behind a proxy: the client's address is in header H (X-Real-IP)\n";

// The options, or nothing with the reason in `error`.
std::optional<Options> parseOptions(const std::vector<std::string>& args, int32_t defaultMaxScore,
                                    std::string& error);

}  // namespace nk::scores
