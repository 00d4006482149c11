#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/bitmap_font_atlas.h"
#include "engine/device_texture.h"
#include "engine/nk_renderer.h"

namespace nk {

class TNkScreen;
class TNkImageList;

enum TPositionMode { pmTopLeft, pmCenter };

// Text as one textured quad per character, from a glyph atlas: the patterns of a library picture
// (slot k is glyph k of Characters), or a texture rendered from a system font (slots indexed by
// character code). Text is Windows-1251.
class TNkBitmapFont {
 public:
  TNkBitmapFont();
  ~TNkBitmapFont();
  TNkBitmapFont(const TNkBitmapFont&) = delete;
  TNkBitmapFont& operator=(const TNkBitmapFont&) = delete;

  // The game's 109 characters: printable ASCII with the Latin letters replaced by Cyrillic ones.
  static const std::string& DefaultCharacters();

  // Joins the screen, which prepares the font after every device creation or reset. The screen
  // must not outlive the font.
  void SetNkScreen(TNkScreen& screen);
  TNkScreen* NkScreen() const { return screen_; }
  void SetNkImageList(TNkImageList* list);
  TNkImageList* NkImageList() const { return imageList_; }
  // The picture whose patterns are the glyphs; negative values are ignored.
  void SetNkImageIndex(int index);
  int NkImageIndex() const { return imageIndex_; }
  // An empty text means the default set. The first occurrence of a repeated character wins.
  void SetCharacters(std::string_view text);
  const std::string& Characters() const { return characters_; }
  const std::string& FontName() const { return fontName_; }

  uint8_t Red() const { return red_; }
  uint8_t Green() const { return green_; }
  uint8_t Blue() const { return blue_; }
  uint8_t Alpha() const { return alpha_; }
  void SetRed(uint8_t v);
  void SetGreen(uint8_t v);
  void SetBlue(uint8_t v);
  void SetAlpha(uint8_t v);
  // The default colour, MakeColor(Red, Green, Blue, Alpha).
  uint32_t Color() const { return color_; }

  int LineSpace = 10;                  // extra pixels between lines
  float CenterX = 0, CenterY = 0;      // pivot of rotation and scale, from the text position
  float ScaleX = 1.0f, ScaleY = 1.0f;  // used in measuring
  float Rotation = 0;
  float CharRotation = 0;  // degrees, each glyph about its own centre
  int Spacing = 0;         // extra pixels after every character
  TPositionMode PositionMode = pmTopLeft;

  // Renders the atlas from a system font (flags: BitmapFontFlag). Point size to pixels as on a
  // 96 dots-per-inch screen. When the face cannot be made, the glyph tables stay as they were.
  void BuildFromSystemFont(std::string_view faceName, std::string_view characters, int flags, int pointSize);
  // The last BuildFromSystemFont again, once the device may have changed; nothing before the first.
  void RebuildFromSystemFont();

  void TextOut(int x, int y, float angle, float scaleX, float scaleY, uint32_t color1, uint32_t color2,
               uint32_t color3, uint32_t color4, std::string_view text, int blendMode);
  void TextOutColor(int x, int y, float angle, float scaleX, float scaleY, uint32_t color,
                    std::string_view text, int blendMode);
  // Characters outside the set count 0; Spacing is not counted; at least 1.
  int TextWidth(std::string_view text) const;
  // The cell height, scaled; at least 1.
  int TextHeight() const;
  // The cell height in screen pixels, unscaled.
  int CharHeight() const;

  // After each device creation or reset: back to the image font, or to bold Arial 12 without an
  // image list, until the owner builds again.
  void InitDevice();

  // The atlas side in texels, and the fraction of the wanted size the device allowed.
  int TextureSize() const { return textureSize_; }
  float SizeFactor() const { return sizeFactor_; }

 private:
  struct Slot {
    float u1 = 0, v1 = 0, u2 = 0, v2 = 0;
    int width = 0, height = 0;
  };
  struct BuildRequest {
    std::string faceName, characters;
    int flags = 0, pointSize = 0;
  };
  void build(std::string_view faceName, std::string_view characters, int flags, int pointSize);
  TextureId atlasTexture() const;
  void setColor();

  TNkScreen* screen_ = nullptr;
  TNkImageList* imageList_ = nullptr;
  int imageIndex_ = 0;
  std::string characters_;
  std::string fontName_;
  uint8_t red_ = 255, green_ = 255, blue_ = 255, alpha_ = 255;
  uint32_t color_ = 0xFFFFFFFF;

  RenderDevice* device_ = nullptr;
  int textureSize_ = 0;
  std::unique_ptr<TNkRenderer> renderer_;
  std::array<Slot, 256> slots_{};
  float sizeFactor_ = 1.0f;
  bool ownAtlas_ = false;
  std::unique_ptr<DeviceTexture> ownTexture_;
  std::array<int, 256> map_;
  int cellWidth_ = 0, cellHeight_ = 0;
  std::optional<BuildRequest> lastBuild_;
};

}  // namespace nk
