#include "platform/environment.h"

#include <cstdlib>

namespace nk {

std::string environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace nk
