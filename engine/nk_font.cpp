#include "engine/nk_font.h"

#include <algorithm>

#include "engine/color.h"
#include "engine/mul_div.h"
#include "engine/nk_screen.h"

namespace nk {

TNkFont::TNkFont() = default;
TNkFont::~TNkFont() = default;

void TNkFont::SetNkScreen(TNkScreen& screen) {
  screen_ = &screen;
  renderer_ = std::make_unique<TNkRenderer>(screen);
  screen.AddDeviceClient({TNkScreen::DeviceClient::Kind::TextFont, [this](TNkScreen&) { InitDevice(); },
                          [this] { ReleaseDevice(); },
                          [this] {
                            for (auto& [key, atlas] : atlases_) {
                              if (atlas) atlas->releaseTexture();
                            }
                          }});
}

bool TNkFont::SetFont(std::string_view faceName, int size, const FontStyle& style) {
  faceName_ = faceName;
  size_ = size;
  style_ = style;
  SetColor(0xFFFFFFFF);
  ReleaseDevice();
  InitDevice();
  return true;
}

void TNkFont::SetColor(uint32_t argb) {
  color_ = argb;
  Alpha = static_cast<uint8_t>(argb >> 24);
  Red = static_cast<uint8_t>(argb >> 16);
  Green = static_cast<uint8_t>(argb >> 8);
  Blue = static_cast<uint8_t>(argb);
}

void TNkFont::InitDevice() {
  const AtlasKey key{faceName_, size_, style_.bold, style_.italic, style_.underline, style_.strikeOut};
  auto it = atlases_.find(key);
  if (it == atlases_.end()) {
    // A face that cannot be made is not tried again for every reset.
    it = atlases_.emplace(key, TextAtlas::build(faceName_, PointsToPixels(size_), style_)).first;
  }
  measuringFont_ = it->second.get();
  if (screen_ != nullptr && screen_->Device() != nullptr) {
    renderer_->TakeDevice();
    deviceFont_ = measuringFont_;
  }
}

void TNkFont::ReleaseDevice() { deviceFont_ = measuringFont_ = nullptr; }

void TNkFont::TextOut(int x, int y, std::string_view text) {
  TextOutColor(x, y, Red, Green, Blue, Alpha, text);
}

void TNkFont::TextOutColor(int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a, std::string_view text) {
  if (deviceFont_ == nullptr || screen_ == nullptr || screen_->Device() == nullptr) return;
  TextAtlas& atlas = *deviceFont_;
  const TextureId texture = atlas.texture(*screen_->Device());
  if (texture == 0) return;
  const uint32_t color = MakeColor(r, g, b, a);
  const auto side = static_cast<float>(atlas.side());
  // Text is plain alpha blending whatever the screen's mode, which is left as it was.
  const BlendFactors saved = screen_->Blend();
  screen_->SetBlend({BlendFactor::SrcAlpha, BlendFactor::InvSrcAlpha});
  screen_->BindTexture(texture);
  ForEachLine(text, [&](std::string_view line, int index) {
    int pen = x;
    const int top = y + index * atlas.lineHeight();
    for (char ch : line) {
      const TextAtlas::Glyph& glyph = atlas.glyph(static_cast<unsigned char>(ch));
      if (glyph.width > 0) {
        // Texel for pixel, as an unscaled picture is drawn.
        const float left = static_cast<float>(pen + glyph.left) - 0.5f,
                    right = left + static_cast<float>(glyph.width);
        const float upper = static_cast<float>(top) - 0.5f, lower = upper + static_cast<float>(glyph.height);
        renderer_->SetPositions(left, upper, right, upper, right, lower, left, lower);
        renderer_->SetColors(color, color, color, color);
        const float u1 = static_cast<float>(glyph.x) / side,
                    u2 = static_cast<float>(glyph.x + glyph.width) / side;
        const float v1 = static_cast<float>(glyph.y) / side,
                    v2 = static_cast<float>(glyph.y + glyph.height) / side;
        renderer_->SetTexCoords(u1, v1, u2, v1, u2, v2, u1, v2);
        renderer_->Render();
      }
      pen += glyph.advance;
    }
  });
  screen_->SetBlend(saved);
}

int TNkFont::TextWidth(std::string_view text) const {
  if (measuringFont_ == nullptr) return 0;
  int widest = 0;
  ForEachLine(text, [&](std::string_view line, int) {
    int width = 0;
    for (char ch : line) width += measuringFont_->glyph(static_cast<unsigned char>(ch)).advance;
    widest = std::max(widest, width);
  });
  return widest;
}

int TNkFont::TextHeight(std::string_view text) const {
  if (measuringFont_ == nullptr) return 0;
  int lines = 0;
  ForEachLine(text, [&](std::string_view, int) { ++lines; });
  return lines * measuringFont_->lineHeight();
}

}  // namespace nk
