// The draw operations of an image: each builds one quad and sends it through the list's renderer.
#include <algorithm>

#include "engine/color.h"
#include "engine/image_list_item.h"
#include "engine/nk_renderer.h"
#include "engine/nk_screen.h"

namespace nk {

TImageListItem::Corners TImageListItem::tileCorners(int x, int y) const {
  const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
  const auto w = static_cast<float>(TileWidth_), h = static_cast<float>(TileHeight_);
  return Corners{fx, fy, fx + w, fy, fx + w, fy + h, fx, fy + h};
}

void TImageListItem::Draw(int x, int y, int patternIndex) {
  DrawQuad(tileCorners(x, y), 0, 0, 0, 1, 1, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, false, false,
           patternIndex, 0);
}

void TImageListItem::DrawColor(int x, int y, float angle, float centerX, float centerY, float scaleX,
                               float scaleY, uint32_t color, bool flipV, bool flipH, int patternIndex,
                               int blendMode) {
  DrawQuad(tileCorners(x, y), angle, centerX, centerY, scaleX, scaleY, color, color, color, color, flipV,
           flipH, patternIndex, blendMode);
}

void TImageListItem::DrawColor4(int x, int y, float angle, float centerX, float centerY, float scaleX,
                                float scaleY, uint32_t color1, uint32_t color2, uint32_t color3,
                                uint32_t color4, bool flipV, bool flipH, int patternIndex, int blendMode) {
  DrawQuad(tileCorners(x, y), angle, centerX, centerY, scaleX, scaleY, color1, color2, color3, color4, flipV,
           flipH, patternIndex, blendMode);
}

void TImageListItem::DrawRect(const TRect& rect, int x, int y, float angle, float centerX, float centerY,
                              float scaleX, float scaleY, uint8_t r, uint8_t g, uint8_t b, uint8_t a,
                              bool flipV, bool flipH, int patternIndex, int blendMode) {
  const auto l = static_cast<float>(rect.Left + x), t = static_cast<float>(rect.Top + y);
  const auto rr = static_cast<float>(rect.Right + x), bb = static_cast<float>(rect.Bottom + y);
  const uint32_t color = MakeColor(r, g, b, a);
  DrawQuad(Corners{l, t, rr, t, rr, bb, l, bb}, angle, centerX, centerY, scaleX, scaleY, color, color, color,
           color, flipV, flipH, patternIndex, blendMode);
}

void TImageListItem::DrawEx(int x, int y, float angle, float centerX, float centerY, float scaleX,
                            float scaleY, uint8_t r, uint8_t g, uint8_t b, uint8_t a, bool additive,
                            int patternIndex, int blendMode) {
  if (Renderer_ != nullptr) {
    Renderer_->Screen().SetDestBlend(additive ? BlendFactor::One : BlendFactor::InvSrcAlpha);
  }
  const uint32_t color = MakeColor(r, g, b, a);
  DrawQuad(tileCorners(x, y), angle, centerX, centerY, scaleX, scaleY, color, color, color, color, false,
           false, patternIndex, blendMode);
}

void TImageListItem::DrawQuad(const Corners& c, float angle, float centerX, float centerY, float scaleX,
                              float scaleY, uint32_t color1, uint32_t color2, uint32_t color3,
                              uint32_t color4, bool flipV, bool flipH, int patternIndex, int blendMode) {
  // Nothing to draw with before the device made the texture (or with no picture at all).
  if (Renderer_ == nullptr || !Texture_ || PatternColumns_ < 1 || PatternRows_ < 1) return;
  TNkRenderer& renderer = *Renderer_;
  if (scaleY == 0) scaleY = 1;
  if (scaleX == 0) scaleX = 1;
  renderer.Screen().SetBlendMode(blendMode);
  renderer.SetColors(color1, color2, color3, color4);
  renderer.FlipVertical = flipV;
  renderer.FlipHorizontal = flipH;

  const auto tw = static_cast<float>(TextureWidth_), th = static_cast<float>(TextureHeight_);
  float w = 0, h = 0;
  if (patternIndex == -1) {
    const float u = static_cast<float>(PictureWidth_) / tw, v = static_cast<float>(PictureHeight_) / th;
    renderer.SetTexCoords(0, 0, u, 0, u, v, 0, v);
    w = static_cast<float>(PictureWidth_);
    h = static_cast<float>(PictureHeight_);
  } else {
    const int index = std::min(patternIndex, PatternRows_ * PatternColumns_ - 1);
    const auto left = static_cast<float>((index % PatternColumns_) * TileWidth_);
    const auto top = static_cast<float>((index / PatternColumns_) * TileHeight_);
    const auto right = left + static_cast<float>(TileWidth_), bottom = top + static_cast<float>(TileHeight_);
    renderer.SetTexCoords(left / tw, top / th, right / tw, top / th, right / tw, bottom / th, left / tw,
                          bottom / th);
    w = static_cast<float>(TileWidth_);
    h = static_cast<float>(TileHeight_);
  }
  renderer.Screen().BindTexture(Texture());
  renderer.SetPositions(c.x1 - 0.5f, c.y1 - 0.5f, c.x2 - 0.5f, c.y2 - 0.5f, c.x3 - 0.5f, c.y3 - 0.5f,
                        c.x4 - 0.5f, c.y4 - 0.5f);
  renderer.RotateScale(c.x1 + w * centerX, c.y1 + h * centerY, angle, scaleX, scaleY);
  renderer.Render();
}

}  // namespace nk
