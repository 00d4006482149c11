#pragma once
#include <optional>
#include <string>

namespace nk {

// The playing time of a wave file in seconds, read from its header; nothing when it is no wave.
std::optional<double> waveFileSeconds(const std::string& nativeFile);

}  // namespace nk
