// Any bytes as a harness script: events or an error naming a line, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  (void)nk::parseScript(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
