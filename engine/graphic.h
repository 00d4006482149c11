#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/argb_image.h"

namespace nk {

// The two picture formats a library holds, named in the file by their graphic class.
enum class GraphicKind { Bitmap, Png };

// "TBitmap" or "TPNGObject".
std::string_view graphicClassName(GraphicKind kind);
// Nothing for an empty or unknown class name (icons, metafiles, ...): such an item has no picture.
std::optional<GraphicKind> graphicKindOf(std::string_view className);

// A picture: the complete file it was read from (what the library stores) and its pixels.
struct TGraphic {
  GraphicKind Kind = GraphicKind::Png;
  std::string File;
  ArgbImage Image;
};

// Nothing when the decoder rejects the file.
std::optional<TGraphic> decodeGraphic(GraphicKind kind, std::string file);

// A picture file, its format chosen by the extension (.bmp or .png, any case); nothing when the
// extension is another, or the file cannot be read or decoded. path is a name for this system.
std::optional<TGraphic> loadGraphicFile(const std::string& path);

}  // namespace nk
