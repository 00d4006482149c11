#pragma once
#include <string>
#include <variant>

#include "app/script.h"

namespace nk {

// The script file at path (a name for this system), parsed; its file names made absolute. An
// error message when it cannot be read, does not parse, or is far larger than any script.
std::variant<Script, std::string> loadScript(const std::string& path);

}  // namespace nk
