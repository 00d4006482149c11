// Any bytes as the exit screen's description: it is read to the end or to its first problem,
// and nothing throws. Every named file counts as present so the reader goes as deep as it can.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ui/share_description.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const nk::ShareDescription d = nk::ReadShareDescription(
      std::string_view(reinterpret_cast<const char*>(data), size), [](std::string_view) { return true; });
  // A valid description always has its exit button last.
  if (d.Valid && (d.Buttons.empty() || !d.Buttons.back().IsExit())) __builtin_trap();
  return 0;
}
