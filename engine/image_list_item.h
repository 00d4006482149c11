#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/color_names.h"
#include "engine/device_texture.h"
#include "engine/graphic.h"
#include "engine/message_sink.h"
#include "engine/opacity_mask.h"
#include "engine/rect.h"

namespace nk {

class TNkRenderer;

// What CreateTexture takes from the image list that owns the item.
struct TextureContext {
  RenderDevice& device;
  MessageSink& messages;
  // Where relative Filepath names are found (a name for this system); empty: the working directory.
  std::string_view programFolder;
};

// One named picture of the image library, cut into equal tiles (patterns) numbered row by row.
class TImageListItem {
 public:
  // Stored in the library file. Name and Filepath are Windows-1251.
  std::string Name;
  std::optional<TGraphic> Picture;
  std::string Filepath;  // a picture file read at every CreateTexture instead of Picture
  TColor TransparentColor = 0;
  bool Transparent = false;  // opaque pixels of TransparentColor become transparent black

  int32_t TileWidth() const { return TileWidth_; }
  int32_t TileHeight() const { return TileHeight_; }
  // 0 stands for the whole picture; the pattern count follows.
  void SetTileWidth(int32_t value);
  void SetTileHeight(int32_t value);
  // A picture given at run time: its size becomes the tile size, and the texture size is estimated.
  void AssignPicture(const TGraphic& graphic);
  // Copies what the file stores.
  void Assign(const TImageListItem& source);

  int32_t PatternRows() const { return PatternRows_; }
  int32_t PatternColumns() const { return PatternColumns_; }
  int32_t PatternCount() const { return PatternRows_ * PatternColumns_; }
  int32_t PictureWidth() const { return PictureWidth_; }
  int32_t PictureHeight() const { return PictureHeight_; }
  int32_t TextureWidth() const { return TextureWidth_; }
  int32_t TextureHeight() const { return TextureHeight_; }

  RenderDevice* Device() const { return Device_; }
  TextureId Texture() const { return Texture_ ? Texture_->id() : 0; }
  // Whether the texture's pixel is non-zero after the colour key; false outside the picture or
  // without a texture.
  bool Solid(int column, int row) const { return Mask_.Solid(column, row); }

  // Picture's pixels with the colour key applied when Transparent; empty without a picture. Making
  // the texture drops the picture's decoded pixels; they are decoded again from its file here.
  std::vector<uint32_t> KeyedPixels() const;

  // Makes the texture unless the item has one, and measures the picture and its patterns.
  // An item without a picture (none stored, none found at Filepath) stays without a texture.
  void CreateTexture(const TextureContext& context);
  // Drops the device reference, and the texture too when asked.
  void ReleaseDevice(bool releaseTexture);

  // The renderer of the list the item belongs to; the draw operations need it.
  TNkRenderer* Renderer() const { return Renderer_; }
  void SetRenderer(TNkRenderer* renderer) { Renderer_ = renderer; }

  // Drawing at whole screen pixels. PatternIndex -1 draws the whole picture; angles are degrees,
  // clockwise; the centre is a fraction of the tile; colours are ARGB; a scale of 0 counts as 1.
  void Draw(int x, int y, int patternIndex);
  void DrawColor(int x, int y, float angle, float centerX, float centerY, float scaleX, float scaleY,
                 uint32_t color, bool flipV, bool flipH, int patternIndex, int blendMode);
  void DrawColor4(int x, int y, float angle, float centerX, float centerY, float scaleX, float scaleY,
                  uint32_t color1, uint32_t color2, uint32_t color3, uint32_t color4, bool flipV, bool flipH,
                  int patternIndex, int blendMode);
  // Stretched to rect moved by (x, y).
  void DrawRect(const TRect& rect, int x, int y, float angle, float centerX, float centerY, float scaleX,
                float scaleY, uint8_t r, uint8_t g, uint8_t b, uint8_t a, bool flipV, bool flipH,
                int patternIndex, int blendMode);
  // Additive sets the device's destination factor to one (else one minus source alpha) directly,
  // without changing the blend mode the screen remembers.
  void DrawEx(int x, int y, float angle, float centerX, float centerY, float scaleX, float scaleY, uint8_t r,
              uint8_t g, uint8_t b, uint8_t a, bool additive, int patternIndex, int blendMode);

 private:
  bool makeTexture(const TextureContext& context, const ArgbImage& image);
  // Pixels with the colour key applied; empty ones (a texture took them) are decoded again.
  std::vector<uint32_t> keyed(std::vector<uint32_t> pixels) const;
  struct Corners {
    float x1, y1, x2, y2, x3, y3, x4, y4;
  };
  Corners tileCorners(int x, int y) const;
  void DrawQuad(const Corners& c, float angle, float centerX, float centerY, float scaleX, float scaleY,
                uint32_t color1, uint32_t color2, uint32_t color3, uint32_t color4, bool flipV, bool flipH,
                int patternIndex, int blendMode);

  TNkRenderer* Renderer_ = nullptr;

  int32_t PatternRows_ = 0;
  int32_t PatternColumns_ = 0;
  RenderDevice* Device_ = nullptr;
  std::unique_ptr<DeviceTexture> Texture_;
  OpacityMask Mask_;
  int32_t PictureHeight_ = 0;
  int32_t PictureWidth_ = 0;
  int32_t TileHeight_ = 1;
  int32_t TileWidth_ = 1;
  int32_t TextureHeight_ = 0;
  int32_t TextureWidth_ = 0;
};

}  // namespace nk
