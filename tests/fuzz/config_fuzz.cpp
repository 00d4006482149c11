// Any bytes as Config.cfg: every line decodes to something and nothing throws.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nk::TGameState state;
  nk::ReadConfig(std::string_view(reinterpret_cast<const char*>(data), size), state);
  return 0;
}
