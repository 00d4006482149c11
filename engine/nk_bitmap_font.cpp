#include "engine/nk_bitmap_font.h"

#include <algorithm>

#include "codec/game_characters.h"
#include "engine/color.h"
#include "engine/mul_div.h"
#include "engine/nk_image_list.h"
#include "engine/nk_round.h"
#include "engine/nk_screen.h"
#include "engine/power_of_two.h"

namespace nk {
namespace {

// The largest atlas we grow to when a face's glyphs overflow the size the point size asks for.
constexpr int kLargestAtlas = 4096;

}  // namespace

TNkBitmapFont::TNkBitmapFont() { map_.fill(-1); }

TNkBitmapFont::~TNkBitmapFont() = default;

const std::string& TNkBitmapFont::DefaultCharacters() { return GameCharacters(); }

void TNkBitmapFont::SetNkScreen(TNkScreen& screen) {
  screen_ = &screen;
  renderer_ = std::make_unique<TNkRenderer>(screen);
  // Releasing the device leaves the atlas alone, and the init after a reset makes the font's
  // texture anew: nothing to do at either.
  screen.AddDeviceClient(
      {TNkScreen::DeviceClient::Kind::BitmapFont, [this](TNkScreen&) { InitDevice(); }, {}, {}});
}

void TNkBitmapFont::SetNkImageList(TNkImageList* list) {
  if (list == imageList_) return;
  imageList_ = list;
  if (list != nullptr) SetNkImageIndex(imageIndex_);
}

void TNkBitmapFont::SetNkImageIndex(int index) {
  if (index < 0) return;
  imageIndex_ = index;
  if (imageList_ == nullptr || index >= imageList_->ImageList().Count()) return;
  const TImageListItem& item = imageList_->ImageList().Items(index);
  ownAtlas_ = false;
  ownTexture_.reset();
  fontName_ = item.Name;
  sizeFactor_ = 1.0f;
  cellWidth_ = item.TileWidth();
  cellHeight_ = item.TileHeight();
  const int textureWidth =
      item.TextureWidth() >= 2 ? item.TextureWidth() : PowerOfTwoAtLeast(item.PictureWidth());
  const int textureHeight =
      item.TextureHeight() >= 2 ? item.TextureHeight() : PowerOfTwoAtLeast(item.PictureHeight());
  const int columns = item.PatternColumns(), count = item.PatternCount();
  for (int s = 0; s < 256; ++s) {
    Slot& slot = slots_[static_cast<size_t>(s)];
    slot = Slot{0, 0, 0, 0, cellWidth_, cellHeight_};
    if (columns < 1 || count < 1) continue;  // a picture without patterns has no glyphs to point at
    const int pattern = std::min(s, count - 1);
    const float left = static_cast<float>((pattern % columns) * cellWidth_);
    const float top = static_cast<float>((pattern / columns) * cellHeight_);
    slot.u1 = left / static_cast<float>(textureWidth);
    slot.v1 = top / static_cast<float>(textureHeight);
    slot.u2 = (left + static_cast<float>(cellWidth_)) / static_cast<float>(textureWidth);
    slot.v2 = (top + static_cast<float>(cellHeight_)) / static_cast<float>(textureHeight);
  }
}

void TNkBitmapFont::SetCharacters(std::string_view text) {
  characters_ = text.empty() ? DefaultCharacters() : std::string(text);
  map_.fill(-1);
  // Only 256 slots exist: a character first met beyond them has no glyph.
  const int last = std::min<int>(static_cast<int>(characters_.size()), 256) - 1;
  for (int k = last; k >= 0; --k) map_[static_cast<unsigned char>(characters_[static_cast<size_t>(k)])] = k;
  if (map_[' '] == -1) map_[' '] = 0;
}

void TNkBitmapFont::setColor() { color_ = MakeColor(red_, green_, blue_, alpha_); }
void TNkBitmapFont::SetRed(uint8_t v) { red_ = v, setColor(); }
void TNkBitmapFont::SetGreen(uint8_t v) { green_ = v, setColor(); }
void TNkBitmapFont::SetBlue(uint8_t v) { blue_ = v, setColor(); }
void TNkBitmapFont::SetAlpha(uint8_t v) { alpha_ = v, setColor(); }

void TNkBitmapFont::BuildFromSystemFont(std::string_view faceName, std::string_view characters, int flags,
                                        int pointSize) {
  lastBuild_ = BuildRequest{std::string(faceName), std::string(characters), flags, pointSize};
  build(faceName, characters, flags, pointSize);
}

void TNkBitmapFont::RebuildFromSystemFont() {
  if (!lastBuild_) return;
  const BuildRequest request = *lastBuild_;
  build(request.faceName, request.characters, request.flags, request.pointSize);
}

void TNkBitmapFont::build(std::string_view faceName, std::string_view characters, int flags, int pointSize) {
  ownTexture_.reset();
  ownAtlas_ = false;
  fontName_ = faceName;
  sizeFactor_ = 1.0f;
  const FontStyle style = BitmapFontStyle(flags);
  const std::string_view set = characters.empty() ? std::string_view(DefaultCharacters()) : characters;
  int side = AtlasSide(flags, static_cast<int>(std::min<size_t>(set.size(), 255)), pointSize);
  auto open = [&] {
    return FontRasterizer::open(faceName, MulDiv(pointSize, static_cast<int>(96 * sizeFactor_), 72), style);
  };
  std::unique_ptr<FontRasterizer> face = open();
  // A face wider than the size rule expects gets a bigger atlas instead of glyphs off its edge.
  while (face && side < kLargestAtlas && !LayoutAtlas(*face, set, flags, side).fits) side *= 2;
  if (device_ != nullptr && device_->maxTextureSize() < side) {
    sizeFactor_ = static_cast<float>(device_->maxTextureSize()) / static_cast<float>(side);
    side = device_->maxTextureSize();
    if (face) face = open();
  }
  if (device_ == nullptr) return;
  const TextureId id = device_->createTexture(side, side);
  if (id == 0) return;
  ownTexture_ = std::make_unique<DeviceTexture>(*device_, id);
  textureSize_ = side;
  if (!face) return;

  const AtlasLayout layout = LayoutAtlas(*face, set, flags, side);
  device_->updateTexture(id, PaintAtlas(*face, layout, side).data());
  cellWidth_ = layout.cellWidth;
  cellHeight_ = layout.cellHeight;
  slots_.fill(Slot{});
  const bool italicCut = (flags & bfItalic) != 0 && (flags & bfFixedCells) == 0;
  const auto s = static_cast<float>(side);
  std::array<bool, 256> built{};
  for (const AtlasGlyph& g : layout.glyphs) {
    if (!g.inside) continue;
    const int right = italicCut ? g.x + g.width - 1 : g.x + g.width + 1;
    slots_[g.code] = Slot{static_cast<float>(g.x) / s,
                          static_cast<float>(g.y) / s,
                          static_cast<float>(right) / s,
                          static_cast<float>(g.y + g.height + 1) / s,
                          g.width,
                          g.height};
    built[g.code] = true;
  }
  ownAtlas_ = true;
  SetCharacters(set);
  // Own atlas slots are indexed by character code. Characters without a glyph stay unmapped, so
  // they neither draw a stale slot nor count in measuring.
  for (int c = 0; c < 256; ++c) {
    const auto i = static_cast<size_t>(c);
    map_[i] = map_[i] != -1 && (built[i] || c == ' ') ? c : -1;
  }
}

TextureId TNkBitmapFont::atlasTexture() const {
  if (ownAtlas_) return ownTexture_->id();
  if (imageList_ == nullptr || imageIndex_ >= imageList_->ImageList().Count()) return 0;
  return imageList_->ImageList().Items(imageIndex_).Texture();
}

void TNkBitmapFont::TextOut(int x, int y, float angle, float scaleX, float scaleY, uint32_t color1,
                            uint32_t color2, uint32_t color3, uint32_t color4, std::string_view text,
                            int blendMode) {
  const TextureId texture = atlasTexture();
  if (renderer_ == nullptr || texture == 0) return;  // no glyphs to draw from
  screen_->BindTexture(texture);
  int px = x, py = y;
  if (PositionMode == pmCenter) {
    py = y - NkRound(cellHeight_ * 0.25);
    px = x - NkRound(static_cast<double>(text.size()) * 0.5 * cellWidth_);
  }
  if (blendMode != -1) screen_->SetBlendMode(blendMode);
  // An atlas the device made smaller is drawn back up to the size asked for.
  const double sx = scaleX / sizeFactor_, sy = scaleY / sizeFactor_;
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == 13) {
      py += cellHeight_ + LineSpace;
      px = x;
    }
    const int slotIndex = map_[c];
    if (slotIndex == -1) continue;
    const Slot& slot = slots_[static_cast<size_t>(slotIndex)];
    const auto fx = static_cast<float>(px), fy = static_cast<float>(py);
    const auto w = static_cast<float>(slot.width), h = static_cast<float>(slot.height);
    if (c != ' ') {
      renderer_->SetPositions(fx, fy, fx + w, fy, fx + w, fy + h, fx, fy + h);
      renderer_->SetColors(color1, color2, color3, color4);
      renderer_->SetTexCoords(slot.u1, slot.v1, slot.u2, slot.v1, slot.u2, slot.v2, slot.u1, slot.v2);
      renderer_->RotateScale(fx + w / 2, fy + h / 2, CharRotation, 1, 1);
      renderer_->RotateScale(x + CenterX, y + CenterY, angle, sx, sy);
      renderer_->Render();
    }
    px += slot.width + Spacing;
  }
}

void TNkBitmapFont::TextOutColor(int x, int y, float angle, float scaleX, float scaleY, uint32_t color,
                                 std::string_view text, int blendMode) {
  TextOut(x, y, angle, scaleX, scaleY, color, color, color, color, text, blendMode);
}

int TNkBitmapFont::TextWidth(std::string_view text) const {
  int width = 0;
  for (char ch : text) {
    const int slot = map_[static_cast<unsigned char>(ch)];
    if (slot != -1) width += NkRound(slots_[static_cast<size_t>(slot)].width * ScaleX / sizeFactor_);
  }
  return width == 0 ? 1 : width;
}

int TNkBitmapFont::TextHeight() const { return std::max(1, NkRound(cellHeight_ * ScaleY / sizeFactor_)); }

int TNkBitmapFont::CharHeight() const { return NkRound(cellHeight_ / sizeFactor_); }

void TNkBitmapFont::InitDevice() {
  if (screen_ == nullptr || screen_->Device() == nullptr) return;
  renderer_->TakeDevice();
  device_ = screen_->Device();
  ownAtlas_ = false;
  SetNkImageIndex(imageIndex_);
  SetCharacters(characters_);
  if (imageList_ == nullptr) build("Arial", DefaultCharacters(), bfBold, 12);
}

}  // namespace nk
