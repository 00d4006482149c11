#pragma once
#include <string>

#include "tools/artgen/catalog.h"

namespace nk::art {

// The contact sheet: every picture with every frame on a checkerboard, labelled with its name,
// tile size and frame numbers. Full-screen pictures are shown at half size. False when the
// file cannot be written.
bool writeSheet(const Catalog& catalog, const std::string& path);

}  // namespace nk::art
