#include "engine/oil_reader.h"

#include "codec/cp1251.h"
#include "engine/oil_format.h"

namespace nk {
namespace {

using namespace oil;

struct Corrupt {};

// Bounds-checked reading; every length is checked against what is left before anything is taken.
class Cursor {
 public:
  explicit Cursor(std::string_view data) : data_(data) {}

  size_t left() const { return data_.size() - at_; }
  uint8_t peek() const {
    if (left() == 0) throw Corrupt{};
    return static_cast<uint8_t>(data_[at_]);
  }
  uint8_t byte() {
    const uint8_t b = peek();
    ++at_;
    return b;
  }
  std::string_view take(uint64_t count) {
    if (count > left()) throw Corrupt{};
    const std::string_view part = data_.substr(at_, static_cast<size_t>(count));
    at_ += static_cast<size_t>(count);
    return part;
  }
  uint32_t littleEndian(int bytes) {
    const std::string_view raw = take(static_cast<uint64_t>(bytes));
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
      value = (value << 8) | static_cast<uint8_t>(raw[static_cast<size_t>(i)]);
    return value;
  }
  // A 4-byte count; negative ones are corrupt.
  uint64_t count() {
    const auto value = static_cast<int32_t>(littleEndian(4));
    if (value < 0) throw Corrupt{};
    return static_cast<uint64_t>(value);
  }
  std::string_view shortString() { return take(byte()); }
  std::string_view rest() { return take(left()); }

 private:
  std::string_view data_;
  size_t at_ = 0;
};

// UTF-16LE code units to Windows-1251; unpaired surrogates become '?'.
std::string wideToCp1251(std::string_view units) {
  std::string text;
  const auto unit = [&](size_t i) {
    return static_cast<char16_t>(static_cast<uint8_t>(units[2 * i]) |
                                 (static_cast<uint8_t>(units[2 * i + 1]) << 8));
  };
  const size_t count = units.size() / 2;
  for (size_t i = 0; i < count; ++i) {
    const char16_t u = unit(i);
    const bool high = u >= 0xD800 && u <= 0xDBFF;
    if (high && i + 1 < count && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
      text +=
          cp1251FromCodePoint(0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      text += '?';
    } else {
      text += cp1251FromCodePoint(u);
    }
  }
  return text;
}

int32_t readInteger(Cursor& in, uint8_t tag) {
  switch (tag) {
    case kInt8: return static_cast<int8_t>(in.littleEndian(1));
    case kInt16: return static_cast<int16_t>(in.littleEndian(2));
    case kInt32: return static_cast<int32_t>(in.littleEndian(4));
    default: throw Corrupt{};
  }
}

bool isInteger(uint8_t tag) { return tag == kInt8 || tag == kInt16 || tag == kInt32; }

std::string readText(Cursor& in) {
  switch (in.byte()) {
    case kString: return std::string(in.shortString());
    case kLongString: return std::string(in.take(in.count()));
    case kWideString: return wideToCp1251(in.take(in.count() * 2));
    case kUtf8String: return utf8ToCp1251(in.take(in.count()));
    default: throw Corrupt{};
  }
}

TColor readColor(Cursor& in) {
  const uint8_t tag = in.byte();
  if (tag != kIdent) return readInteger(in, tag);
  const std::optional<TColor> color = IdentToColor(in.shortString());
  if (!color) throw Corrupt{};
  return *color;
}

bool readBoolean(Cursor& in) {
  switch (in.byte()) {
    case kFalse: return false;
    case kTrue: return true;
    case kIdent: {
      const std::string_view name = in.shortString();
      if (name == "False") return false;
      if (name == "True") return true;
      throw Corrupt{};
    }
    default: throw Corrupt{};
  }
}

// The picture block: graphic class name, then the file. A block whose own layout is broken is
// corrupt; a file the decoder rejects, or a class we do not know, leaves the item without a picture.
std::optional<TGraphic> readPicture(Cursor& in, bool& undecoded) {
  if (in.byte() != kBinary) throw Corrupt{};
  Cursor block(in.take(in.count()));
  const std::optional<GraphicKind> kind = graphicKindOf(block.shortString());
  if (!kind) return std::nullopt;
  const std::string_view file = *kind == GraphicKind::Bitmap ? block.take(block.count()) : block.rest();
  std::optional<TGraphic> picture = decodeGraphic(*kind, std::string(file));
  undecoded = !picture;
  return picture;
}

void readItemProperty(Cursor& in, std::string_view name, TImageListItem& item, bool& undecoded) {
  if (name == "Name") {
    item.Name = readText(in);
  } else if (name == "Picture.Data") {
    item.Picture = readPicture(in, undecoded);
  } else if (name == "TileHeight") {
    item.SetTileHeight(readInteger(in, in.byte()));
  } else if (name == "TileWidth") {
    item.SetTileWidth(readInteger(in, in.byte()));
  } else if (name == "TransparentColor") {
    item.TransparentColor = readColor(in);
  } else if (name == "Transparent") {
    item.Transparent = readBoolean(in);
  } else if (name == "Filepath") {
    item.Filepath = readText(in);
  } else {
    throw Corrupt{};
  }
}

void readCollection(Cursor& in, TImageListCollection& into, LibraryRead& read) {
  if (in.byte() != kCollection) throw Corrupt{};
  while (in.peek() != kEndOfList) {
    if (isInteger(in.peek())) readInteger(in, in.byte());  // the item's order value: not used
    if (in.byte() != kList) throw Corrupt{};
    TImageListItem& item = into.Add();
    bool undecoded = false;  // a repeated picture counts as it was last given
    while (in.peek() != kEndOfList) {
      const std::string_view name = in.shortString();
      readItemProperty(in, name, item, undecoded);
    }
    if (undecoded) read.undecodedPictures.push_back(into.Count() - 1);
    in.byte();
  }
  in.byte();
}

void readComponent(Cursor& in, TImageListCollection& into, LibraryRead& read) {
  if (in.take(4) != kSignature) throw Corrupt{};
  constexpr uint8_t kFlagsMark = 0xF0, kChildPosition = 0x02;
  if ((in.peek() & kFlagsMark) == kFlagsMark) {
    const uint8_t flags = in.byte();
    if ((flags & kChildPosition) != 0) readInteger(in, in.byte());
  }
  in.shortString();  // class name
  in.shortString();  // component name
  while (in.peek() != kEndOfList) {
    if (in.shortString() != "List") throw Corrupt{};
    readCollection(in, into, read);
  }
  in.byte();
  if (in.byte() != kEndOfList) throw Corrupt{};  // end of the child components
}

}  // namespace

LibraryRead readImageLibrary(std::string_view data, TImageListCollection& into) {
  LibraryRead read;
  try {
    Cursor in(data);
    readComponent(in, into, read);
    read.complete = true;
  } catch (const Corrupt&) {
    // not complete; what was read stays
  }
  return read;
}

}  // namespace nk
