#pragma once
#include <string>

#include "engine/image_list_collection.h"

namespace nk {

// The bytes of a library file holding the collection's items, in order.
std::string writeImageLibrary(const TImageListCollection& collection);

}  // namespace nk
