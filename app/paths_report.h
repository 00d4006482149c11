#pragma once
#include <string>

namespace nk {

// The --print-paths text: which file layout is in use, and where each of the game's files is
// looked up (marked when it is not there).
std::string pathsReport();

}  // namespace nk
