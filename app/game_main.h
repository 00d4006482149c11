#pragma once
#include <string>
#include <vector>

namespace nk {

// The whole program: command line, host, window, loop, shutdown. Returns the exit status.
int gameMain(const std::vector<std::string>& args);

}  // namespace nk
