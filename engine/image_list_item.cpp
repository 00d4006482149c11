#include "engine/image_list_item.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "engine/filepath.h"
#include "engine/power_of_two.h"

namespace nk {
namespace {

// Divisions by a tile size below 1 (a zero before the picture is known, or a bad file) give no patterns.
int32_t tilesIn(int32_t pictureSize, int32_t tileSize) { return tileSize >= 1 ? pictureSize / tileSize : 0; }

}  // namespace

void TImageListItem::SetTileWidth(int32_t value) {
  TileWidth_ = value == 0 ? PictureWidth_ : value;
  PatternColumns_ = tilesIn(PictureWidth_, TileWidth_);
}

void TImageListItem::SetTileHeight(int32_t value) {
  TileHeight_ = value == 0 ? PictureHeight_ : value;
  PatternRows_ = tilesIn(PictureHeight_, TileHeight_);
}

void TImageListItem::AssignPicture(const TGraphic& graphic) {
  Picture = graphic;
  PictureWidth_ = graphic.Image.width;
  PictureHeight_ = graphic.Image.height;
  SetTileWidth(PictureWidth_);
  SetTileHeight(PictureHeight_);
  if (TextureWidth_ < 2) {
    TextureWidth_ = PowerOfTwoAtLeast(PictureWidth_);
    TextureHeight_ = PowerOfTwoAtLeast(PictureHeight_);
  }
}

void TImageListItem::Assign(const TImageListItem& source) {
  Name = source.Name;
  Picture = source.Picture;
  SetTileHeight(source.TileHeight_);
  SetTileWidth(source.TileWidth_);
  TransparentColor = source.TransparentColor;
  Transparent = source.Transparent;
  Filepath = source.Filepath;
}

std::vector<uint32_t> TImageListItem::KeyedPixels() const {
  if (!Picture) return {};
  return keyed(Picture->Image.pixels);
}

std::vector<uint32_t> TImageListItem::keyed(std::vector<uint32_t> pixels) const {
  if (pixels.empty()) {
    // A texture was made before and took the decoded copy's place; the file is still here.
    if (std::optional<TGraphic> again = decodeGraphic(Picture->Kind, Picture->File))
      pixels = std::move(again->Image.pixels);
  }
  if (Transparent) {
    const uint32_t key = StoredColorToARGB(TransparentColor, 0xFF);
    std::replace(pixels.begin(), pixels.end(), key, 0u);
  }
  return pixels;
}

void TImageListItem::CreateTexture(const TextureContext& context) {
  Filepath = std::string(trimBlanks(Filepath));
  if (!Filepath.empty()) {
    const std::string path = resolveFilepath(Filepath, context.programFolder);
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) Picture = loadGraphicFile(path);
  }
  if (Picture) {
    Device_ = &context.device;
    const ArgbImage& image = Picture->Image;
    if (TileHeight_ < 1) TileHeight_ = image.height;
    if (TileWidth_ < 1) TileWidth_ = image.width;
    if (Texture_ || makeTexture(context, image)) {
      PictureHeight_ = std::max(1, image.height);
      PictureWidth_ = std::max(1, image.width);
      PatternRows_ = PictureHeight_ / TileHeight_;
      PatternColumns_ = PictureWidth_ / TileWidth_;
    }
  }
  // A file-based picture is read again at the next CreateTexture.
  if (!Filepath.empty()) Picture.reset();
}

bool TImageListItem::makeTexture(const TextureContext& context, const ArgbImage& image) {
  const int width = std::max(2, image.width);
  const int height = std::max(2, image.height);
  const TextureId id = context.device.createTexture(width, height);
  if (id == 0) {
    context.messages.messageBox("Error creating texture " + Name, "Error");
    context.messages.terminate();
    return false;
  }
  Texture_ = std::make_unique<DeviceTexture>(context.device, id);
  TextureWidth_ = width;
  TextureHeight_ = height;
  // The texture and the mask hold the picture now: the decoded pixels are keyed in place and let go,
  // so no picture is held twice.
  const std::vector<uint32_t> pixels = keyed(std::exchange(Picture->Image.pixels, {}));
  Mask_ = OpacityMask(pixels, image.width);
  if (width == image.width && height == image.height) {
    context.device.updateTexture(id, pixels.data());
    return true;
  }
  // Pictures one pixel wide or high sit in the top-left of a texture of at least 2 x 2.
  std::vector<uint32_t> padded(static_cast<size_t>(width) * static_cast<size_t>(height), 0u);
  for (int y = 0; y < image.height; ++y) {
    std::copy_n(pixels.begin() + static_cast<ptrdiff_t>(y) * image.width, image.width,
                padded.begin() + static_cast<ptrdiff_t>(y) * width);
  }
  context.device.updateTexture(id, padded.data());
  return true;
}

void TImageListItem::ReleaseDevice(bool releaseTexture) {
  if (releaseTexture) {
    Texture_.reset();
    Mask_ = OpacityMask();
  }
  Device_ = nullptr;
}

}  // namespace nk
