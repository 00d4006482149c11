#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace nk::oiltool {

// Runs nk-oil with its arguments (without the program's name) and returns the exit status:
// 0 done, 1 failed (the reason on err), 2 bad usage.
int runNkOil(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace nk::oiltool
