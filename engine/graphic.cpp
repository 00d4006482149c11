#include "engine/graphic.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/png_decode.h"
#include "platform/bmp_decode.h"

namespace nk {

std::string_view graphicClassName(GraphicKind kind) {
  return kind == GraphicKind::Bitmap ? "TBitmap" : "TPNGObject";
}

std::optional<GraphicKind> graphicKindOf(std::string_view className) {
  if (className == "TBitmap") return GraphicKind::Bitmap;
  if (className == "TPNGObject") return GraphicKind::Png;
  return std::nullopt;
}

std::optional<TGraphic> decodeGraphic(GraphicKind kind, std::string file) {
  std::optional<ArgbImage> image = kind == GraphicKind::Bitmap ? decodeBmp(file) : decodePng(file);
  if (!image) return std::nullopt;
  return TGraphic{kind, std::move(file), std::move(*image)};
}

std::optional<TGraphic> loadGraphicFile(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  std::optional<GraphicKind> kind;
  if (extension == ".bmp") kind = GraphicKind::Bitmap;
  if (extension == ".png") kind = GraphicKind::Png;
  if (!kind) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return decodeGraphic(*kind, std::move(bytes).str());
}

}  // namespace nk
