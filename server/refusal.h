#pragma once
#include <string>
#include <variant>

namespace nk::scores {

// A request turned down: its HTTP status and the short reason that is the whole answer.
struct Refusal {
  int status = 400;
  std::string reason;
};

// A value, or why there is none.
template <typename T>
using Checked = std::variant<T, Refusal>;

}  // namespace nk::scores
