#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace nk::test {

// Builds component-stream bytes by hand, for library files our writer never makes (every tag,
// order values, a flags byte) and for damaged ones.
class OilBytes {
 public:
  OilBytes& raw(std::string_view bytes);
  OilBytes& byte(uint8_t b);
  OilBytes& le(uint32_t value, int bytes);
  OilBytes& shortString(std::string_view text);

  // Tagged values.
  OilBytes& int8(int8_t v);
  OilBytes& int16(int16_t v);
  OilBytes& int32(int32_t v);
  OilBytes& string(std::string_view text);         // tag 6
  OilBytes& longString(std::string_view text);     // tag 12
  OilBytes& wideString(std::u16string_view text);  // tag 18
  OilBytes& utf8String(std::string_view text);     // tag 20
  OilBytes& ident(std::string_view name);          // tag 7
  OilBytes& boolean(bool value);                   // tag 8 or 9
  OilBytes& binary(std::string_view data);         // tag 10

  // "TPF0", class and component name, "List" and the collection tag.
  OilBytes& header(std::string_view componentName = "");
  // The three closing zeros: collection, properties, children.
  OilBytes& footer();
  // A property name; its value follows.
  OilBytes& property(std::string_view name) { return shortString(name); }

  // The picture block of "Picture.Data" for a graphic class and file.
  static std::string bitmapBlock(std::string_view bmpFile);
  static std::string pngBlock(std::string_view pngFile);

  size_t size() const { return bytes_.size(); }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace nk::test
