#pragma once
#include <string>

#include "tools/artgen/catalog.h"

namespace nk::art {

// Mock screens composed from the pictures at the places the game puts them (the title, the menus,
// dialogs, a lit room of every level, the intro street), written as PNG files into dir.
bool writeMockScreens(const Catalog& catalog, const std::string& dir);

}  // namespace nk::art
