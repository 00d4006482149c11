// xmgen SCORE OUT.xm: builds a tracker module from one of our scores.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "score.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: xmgen SCORE OUT.xm\n", stderr);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::ostringstream text;
  if (!in || !(text << in.rdbuf())) {
    std::fprintf(stderr, "xmgen: cannot read %s\n", argv[1]);
    return 1;
  }
  try {
    const std::string bytes = nk::xm::WriteXm(nk::xm::ParseScore(text.str()));
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
      std::fprintf(stderr, "xmgen: cannot write %s\n", argv[2]);
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "xmgen: %s: %s\n", argv[1], e.what());
    return 1;
  }
  return 0;
}
