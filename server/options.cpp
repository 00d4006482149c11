#include "server/options.h"

#include <charconv>

namespace nk::scores {
namespace {

std::optional<int64_t> number(const std::string& text, int64_t lo, int64_t hi) {
  int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < lo || value > hi)
    return std::nullopt;
  return value;
}

// HOST:PORT, [V6HOST]:PORT
bool parseListen(const std::string& text, Options& out) {
  const size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  std::string host = text.substr(0, colon);
  if (host.front() == '[') {
    if (host.size() < 3 || host.back() != ']') return false;
    host = host.substr(1, host.size() - 2);
  }
  const auto port = number(text.substr(colon + 1), 0, 65535);
  if (!port) return false;
  out.host = host;
  out.port = static_cast<int>(*port);
  return true;
}

}  // namespace

std::optional<Options> parseOptions(const std::vector<std::string>& args, int32_t defaultMaxScore,
                                    std::string& error) {
  Options options;
  options.maxScore = defaultMaxScore;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (flag == "--help" || flag == "--version") {
      (flag == "--help" ? options.help : options.version) = true;
      continue;
    }
    if (i + 1 == args.size()) {
      error = flag.starts_with("--") ? flag + " needs a value" : "unknown argument " + flag;
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (flag == "--listen") {
      if (!parseListen(value, options)) {
        error = "--listen needs HOST:PORT";
        return std::nullopt;
      }
    } else if (flag == "--db") {
      options.database = value;
    } else if (flag == "--max-score" || flag == "--reports-per-minute") {
      const auto n = number(value, 0, INT32_MAX);
      if (!n) {
        error = flag + " needs a whole number from 0";
        return std::nullopt;
      }
      (flag == "--max-score" ? options.maxScore : options.reportsPerMinute) = static_cast<int32_t>(*n);
    } else if (flag == "--client-address-header") {
      options.clientHeader = value;
    } else {
      error = "unknown option " + flag;
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace nk::scores
