#pragma once
#include <string>

namespace nk {

// The value of an environment variable; empty when it is not set.
std::string environmentValue(const char* name);

}  // namespace nk
