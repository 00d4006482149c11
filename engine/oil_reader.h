#pragma once
#include <string_view>
#include <vector>

#include "engine/image_list_collection.h"

namespace nk {

struct LibraryRead {
  bool complete = false;               // the bytes are a whole, well-formed library
  std::vector<int> undecodedPictures;  // items whose stored picture file would not decode
};

// Parses a library file's bytes, appending one item per stored item, in file order. Of a library
// that is not complete, the items appended until then stay.
LibraryRead readImageLibrary(std::string_view data, TImageListCollection& into);

}  // namespace nk
