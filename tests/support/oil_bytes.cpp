#include "support/oil_bytes.h"

namespace nk::test {

OilBytes& OilBytes::raw(std::string_view bytes) {
  bytes_ += bytes;
  return *this;
}

OilBytes& OilBytes::byte(uint8_t b) {
  bytes_ += static_cast<char>(b);
  return *this;
}

OilBytes& OilBytes::le(uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) byte(static_cast<uint8_t>(value >> (8 * i)));
  return *this;
}

OilBytes& OilBytes::shortString(std::string_view text) {
  return byte(static_cast<uint8_t>(text.size())).raw(text);
}

OilBytes& OilBytes::int8(int8_t v) { return byte(2).le(static_cast<uint8_t>(v), 1); }
OilBytes& OilBytes::int16(int16_t v) { return byte(3).le(static_cast<uint16_t>(v), 2); }
OilBytes& OilBytes::int32(int32_t v) { return byte(4).le(static_cast<uint32_t>(v), 4); }
OilBytes& OilBytes::string(std::string_view text) { return byte(6).shortString(text); }
OilBytes& OilBytes::ident(std::string_view name) { return byte(7).shortString(name); }
OilBytes& OilBytes::boolean(bool value) { return byte(value ? 9 : 8); }

OilBytes& OilBytes::longString(std::string_view text) {
  return byte(12).le(static_cast<uint32_t>(text.size()), 4).raw(text);
}

OilBytes& OilBytes::wideString(std::u16string_view text) {
  byte(18).le(static_cast<uint32_t>(text.size()), 4);
  for (char16_t unit : text) le(unit, 2);
  return *this;
}

OilBytes& OilBytes::utf8String(std::string_view text) {
  return byte(20).le(static_cast<uint32_t>(text.size()), 4).raw(text);
}

OilBytes& OilBytes::binary(std::string_view data) {
  return byte(10).le(static_cast<uint32_t>(data.size()), 4).raw(data);
}

OilBytes& OilBytes::header(std::string_view componentName) {
  return raw("TPF0")
      .shortString("TImageListCollectionComponent")
      .shortString(componentName)
      .shortString("List")
      .byte(14);
}

OilBytes& OilBytes::footer() { return byte(0).byte(0).byte(0); }

std::string OilBytes::bitmapBlock(std::string_view bmpFile) {
  OilBytes block;
  block.shortString("TBitmap").le(static_cast<uint32_t>(bmpFile.size()), 4).raw(bmpFile);
  return block.bytes();
}

std::string OilBytes::pngBlock(std::string_view pngFile) {
  OilBytes block;
  block.shortString("TPNGObject").raw(pngFile);
  return block.bytes();
}

}  // namespace nk::test
