#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "server/ranking.h"

namespace nk::scores {

// The text with &, <, >, " and ' written as character references: safe in content and in
// quoted attributes.
std::string htmlEscaped(std::string_view text);

// The public score page, UTF-8: the best of all time and of the last seven days, in the
// game's night look; no script, nothing loaded from elsewhere, readable on a phone.
std::string scorePage(const std::vector<RankedScore>& allTime, const std::vector<RankedScore>& week,
                      int64_t now);

// The headers that keep the page to itself: no script runs, nothing is fetched.
inline constexpr const char* kPageSecurityPolicy =
    "default-src 'none'; style-src 'unsafe-inline'; img-src data:; base-uri 'none'; form-action 'none'";

}  // namespace nk::scores
