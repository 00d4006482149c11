#pragma once
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "server/refusal.h"

namespace nk::scores {

// The parameters of a query string, percent-decoded. "version" and "version=" both give an
// empty value: the game's queries use bare words as flags.
class Query {
 public:
  bool has(const std::string& key) const { return params_.contains(key); }
  // The value, or nothing when the parameter is absent.
  std::optional<std::string> value(const std::string& key) const;

 private:
  friend Checked<Query> parseQuery(std::string_view query);
  std::map<std::string, std::string> params_;
};

inline constexpr size_t kMaxQueryParams = 8;

// Refused (400): a broken percent escape, a repeated parameter, more than kMaxQueryParams.
Checked<Query> parseQuery(std::string_view query);

}  // namespace nk::scores
