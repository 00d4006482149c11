#include "platform/headless_host.h"

#include <cstdio>

#include "codec/cp1251.h"

namespace nk {

void HeadlessHost::presentMessage(const std::string& text, const std::string& caption) {
  std::fprintf(stderr, "[%s] %s\n", cp1251ToUtf8(caption).c_str(), cp1251ToUtf8(text).c_str());
}

}  // namespace nk
