#pragma once
#include <string_view>

#include "engine/image_list_collection.h"

namespace nk {

// Parses a library file's bytes, appending one item per stored item, in file order. False when
// the bytes are not a complete, well-formed library; the items appended until then stay.
bool readImageLibrary(std::string_view data, TImageListCollection& into);

}  // namespace nk
