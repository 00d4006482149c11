#include "engine/oil_writer.h"

#include <limits>

#include "engine/oil_format.h"

namespace nk {
namespace {

using namespace oil;

class Writer {
 public:
  void byte(uint8_t b) { out_ += static_cast<char>(b); }
  void littleEndian(uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) byte(static_cast<uint8_t>(value >> (8 * i)));
  }
  void raw(std::string_view bytes) { out_ += bytes; }
  // Names and identifiers: callers keep them within 255 bytes.
  void shortString(std::string_view text) {
    byte(static_cast<uint8_t>(text.size()));
    raw(text);
  }
  void integer(int32_t value) {
    if (value >= std::numeric_limits<int8_t>::min() && value <= std::numeric_limits<int8_t>::max()) {
      byte(kInt8), littleEndian(static_cast<uint32_t>(value), 1);
    } else if (value >= std::numeric_limits<int16_t>::min() && value <= std::numeric_limits<int16_t>::max()) {
      byte(kInt16), littleEndian(static_cast<uint32_t>(value), 2);
    } else {
      byte(kInt32), littleEndian(static_cast<uint32_t>(value), 4);
    }
  }
  void text(std::string_view value) {
    if (value.size() <= 255) {
      byte(kString), shortString(value);
    } else {
      byte(kLongString), littleEndian(static_cast<uint32_t>(value.size()), 4), raw(value);
    }
  }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

std::string pictureBlock(const TGraphic& graphic) {
  Writer block;
  block.shortString(graphicClassName(graphic.Kind));
  if (graphic.Kind == GraphicKind::Bitmap) block.littleEndian(static_cast<uint32_t>(graphic.File.size()), 4);
  block.raw(graphic.File);
  return block.take();
}

void writeItem(Writer& out, const TImageListItem& item) {
  out.byte(kList);
  if (!item.Name.empty()) out.shortString("Name"), out.text(item.Name);
  if (item.Picture) {
    const std::string block = pictureBlock(*item.Picture);
    out.shortString("Picture.Data");
    out.byte(kBinary), out.littleEndian(static_cast<uint32_t>(block.size()), 4), out.raw(block);
  }
  out.shortString("TileHeight"), out.integer(item.TileHeight());
  out.shortString("TileWidth"), out.integer(item.TileWidth());
  out.shortString("TransparentColor");
  if (const std::optional<std::string_view> name = ColorToIdent(item.TransparentColor)) {
    out.byte(kIdent), out.shortString(*name);
  } else {
    out.integer(item.TransparentColor);
  }
  out.shortString("Transparent"), out.byte(item.Transparent ? kTrue : kFalse);
  if (!item.Filepath.empty()) out.shortString("Filepath"), out.text(item.Filepath);
  out.byte(kEndOfList);
}

}  // namespace

std::string writeImageLibrary(const TImageListCollection& collection) {
  Writer out;
  out.raw(kSignature);
  out.shortString(kComponentClass);
  out.shortString("");
  out.shortString("List");
  out.byte(kCollection);
  for (int i = 0; i < collection.Count(); ++i) writeItem(out, collection.Items(i));
  out.byte(kEndOfList);  // end of the collection
  out.byte(kEndOfList);  // end of the properties
  out.byte(kEndOfList);  // end of the child components
  return out.take();
}

}  // namespace nk
