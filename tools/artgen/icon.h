#pragma once
#include <string>

namespace nk::art {

// The desktop icon: the masked burglar sneaking past the moon over a roof, in a rounded square.
// Writes DIR/scalable/apps/nokturo.svg and DIR/NxN/apps/nokturo.png for N = 48, 128, 256: the
// layout of the hicolor icon theme. False when a file cannot be written.
bool writeIcons(const std::string& dir);

}  // namespace nk::art
