#include <iostream>

#include "tools/nk-oil/commands.h"

int main(int argc, char** argv) {
  return nk::oiltool::runNkOil(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
