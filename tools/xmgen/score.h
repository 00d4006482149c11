#pragma once
#include <string>

#include "xm_module.h"

namespace nk::xm {

// Builds a module from a score in our text format (docs/sound.md). Throws std::runtime_error
// naming the line when the score is wrong.
Module ParseScore(const std::string& text);

// Note name ("c4", "f#2", "bb3"; c4 is middle C) to an XM note number; 0 when it is no note.
uint8_t NoteNumber(const std::string& name);

}  // namespace nk::xm
