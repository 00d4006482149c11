#include "server/query.h"

namespace nk::scores {
namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> percentDecoded(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    const int high = i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
    if (low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

}  // namespace

std::optional<std::string> Query::value(const std::string& key) const {
  const auto found = params_.find(key);
  if (found == params_.end()) return std::nullopt;
  return found->second;
}

Checked<Query> parseQuery(std::string_view query) {
  Query parsed;
  while (!query.empty()) {
    const size_t end = query.find('&');
    const std::string_view item = query.substr(0, end);
    query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
    if (item.empty()) continue;
    const size_t equals = item.find('=');
    const auto key = percentDecoded(item.substr(0, equals));
    const auto value = percentDecoded(equals == std::string_view::npos ? "" : item.substr(equals + 1));
    if (!key || !value) return Refusal{400, "broken percent escape"};
    if (parsed.params_.size() == kMaxQueryParams) return Refusal{400, "too many parameters"};
    if (!parsed.params_.emplace(*key, *value).second) return Refusal{400, "repeated parameter"};
  }
  return parsed;
}

}  // namespace nk::scores
