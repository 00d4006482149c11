#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>

#include "engine/nk_renderer.h"
#include "engine/text_atlas.h"
#include "platform/font_rasterizer.h"

namespace nk {

class TNkScreen;

// Single-colour text in a system font, top-left at the given position, line breaks honoured,
// measured with the same metrics. Text is Windows-1251. Each face, size and style is rasterised
// once into an atlas that the font keeps for its whole life.
class TNkFont {
 public:
  TNkFont();
  ~TNkFont();
  TNkFont(const TNkFont&) = delete;
  TNkFont& operator=(const TNkFont&) = delete;

  // Joins the screen, which re-creates the font after every device creation or reset. The screen
  // must not outlive the font.
  void SetNkScreen(TNkScreen& screen);
  TNkScreen* NkScreen() const { return screen_; }

  // Size in points. Also resets the colour to opaque white. Always succeeds: an unknown face gets
  // a substitute.
  bool SetFont(std::string_view faceName, int size, const FontStyle& style);
  const std::string& FaceName() const { return faceName_; }
  int Size() const { return size_; }
  const FontStyle& Style() const { return style_; }

  uint8_t Red = 255, Blue = 255, Green = 255, Alpha = 255;
  // Splits an ARGB colour into the four bytes.
  void SetColor(uint32_t argb);
  uint32_t Color() const { return color_; }

  void TextOut(int x, int y, std::string_view text);
  // Nothing without a device or before the font is made. Not clipped: the device clips.
  void TextOutColor(int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a, std::string_view text);
  // The widest line, and the lines' total height; they need no device. 0 before the font is made.
  int TextWidth(std::string_view text) const;
  int TextHeight(std::string_view text) const;

  // After each device creation or reset, and from SetFont.
  void InitDevice();
  // Before each device reset or release, and from SetFont.
  void ReleaseDevice();

 private:
  using AtlasKey = std::tuple<std::string, int, bool, bool, bool, bool>;

  TNkScreen* screen_ = nullptr;
  std::unique_ptr<TNkRenderer> renderer_;
  std::string faceName_;
  int size_ = 0;
  FontStyle style_;
  uint32_t color_ = 0xFFFFFFFF;
  std::map<AtlasKey, std::unique_ptr<TextAtlas>> atlases_;
  TextAtlas* deviceFont_ = nullptr;     // drawn with, while there is a device
  TextAtlas* measuringFont_ = nullptr;  // measured with
};

}  // namespace nk
