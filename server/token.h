#pragma once
#include <string>
#include <string_view>

namespace nk::scores {

// A fresh one-time token: 128 random bits as 32 lower-case hex digits.
std::string newToken();
// Whether the text could be a token of ours at all.
bool isTokenShaped(std::string_view text);

}  // namespace nk::scores
