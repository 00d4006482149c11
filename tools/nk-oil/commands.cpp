#include "tools/nk-oil/commands.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>

#include "codec/cp1251.h"
#include "engine/nk_image_list.h"
#include "engine/oil_writer.h"
#include "engine/png_writer.h"
#include "platform/recording_device.h"
#include "tools/nk-oil/manifest.h"

namespace nk::oiltool {
namespace {

constexpr const char* kUsage =
    "usage: nk-oil pack MANIFEST OUT.oil\n"
    "       nk-oil list FILE\n"
    "       nk-oil extract FILE NAME OUT.png\n";

// Messages the library would show go to standard error once the command has said its part.
class CollectedMessages final : public MessageSink {
 public:
  void showMessage(const std::string& text) override { texts.push_back(text); }
  void messageBox(const std::string& text, const std::string&) override { texts.push_back(text); }
  void terminate() override {}
  bool reportTo(std::ostream& err) const {
    for (const std::string& text : texts) err << cp1251ToUtf8(text) << '\n';
    return texts.empty();
  }
  std::vector<std::string> texts;
};

std::optional<std::string> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(bytes).str();
}

// Reads a library file as the game does; false (with the game's message) when it cannot.
bool load(const std::string& path, TImageListCollection& collection, CollectedMessages& messages) {
  const std::optional<std::string> data = readFile(path);
  if (!data) {
    messages.showMessage("Cannot be loaded - file error or file crypted!");
    return false;
  }
  collection.LoadFromStream(*data);
  return messages.texts.empty();
}

int pack(const std::string& manifestPath, const std::string& outPath, std::ostream& err) {
  std::ifstream manifestFile(manifestPath);
  if (!manifestFile) {
    err << "nk-oil: cannot read " << manifestPath << '\n';
    return 1;
  }
  CollectedMessages messages;
  TImageListCollection collection(messages);
  try {
    for (const ManifestEntry& entry :
         parseManifest(manifestFile, std::filesystem::path(manifestPath).parent_path())) {
      const std::optional<TGraphic> picture = loadGraphicFile(entry.file.string());
      if (!picture) {
        err << "nk-oil: " << manifestPath << ": line " << entry.line
            << ": cannot read a BMP or PNG picture from " << entry.file.string() << '\n';
        return 1;
      }
      TImageListItem& item = collection.Add();
      item.Name = utf8ToCp1251(entry.name);
      item.AssignPicture(*picture);
      if (entry.tileWidth > 0) {
        item.SetTileWidth(entry.tileWidth);
        item.SetTileHeight(entry.tileHeight);
      }
      item.Transparent = entry.key.has_value();
      item.TransparentColor = entry.key.value_or(0);
    }
  } catch (const ManifestError& e) {
    err << "nk-oil: " << manifestPath << ": " << e.what() << '\n';
    return 1;
  }
  const std::string bytes = writeImageLibrary(collection);
  std::ofstream out(outPath, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out.fail()) {
    err << "nk-oil: cannot write " << outPath << '\n';
    return 1;
  }
  return 0;
}

// The items as the game sees them once its device exists: pictures measured by CreateTexture
// (Filepath names are looked up in the working directory).
int list(const std::string& path, std::ostream& out, std::ostream& err) {
  CollectedMessages messages;
  RecordingDevice device;  // outlives the list: its textures go back to it when the list goes
  TNkImageList images(messages);
  load(path, images.ImageList(), messages);
  const TImageListCollection& items = images.ImageList();
  std::vector<std::string> classes;
  std::vector<std::pair<int32_t, int32_t>> tiles;
  for (int i = 0; i < items.Count(); ++i) {
    const TImageListItem& item = items.Items(i);
    classes.emplace_back(item.Picture ? graphicClassName(item.Picture->Kind) : "-");
    tiles.emplace_back(item.TileWidth(), item.TileHeight());
  }
  images.InitDevice(&device);
  for (int i = 0; i < items.Count(); ++i) {
    const TImageListItem& item = items.Items(i);
    const size_t at = static_cast<size_t>(i);
    char colour[11];
    std::snprintf(colour, sizeof colour, "0x%08X", static_cast<unsigned>(item.TransparentColor));
    out << i << '\t' << cp1251ToUtf8(item.Name) << '\t' << classes[at] << '\t' << item.PictureWidth() << '\t'
        << item.PictureHeight() << '\t' << tiles[at].first << '\t' << tiles[at].second << '\t'
        << item.PatternCount() << '\t' << (item.Transparent ? 1 : 0) << '\t' << colour << '\n';
  }
  return messages.reportTo(err) ? 0 : 1;
}

int extract(const std::string& path, const std::string& name, const std::string& outPath, std::ostream& err) {
  CollectedMessages messages;
  TImageListCollection items(messages);
  if (!load(path, items, messages)) {
    messages.reportTo(err);
    return 1;
  }
  const TImageListItem* item = items.Find(utf8ToCp1251(name));
  if (item == nullptr || !item->Picture) {
    err << "nk-oil: " << path << (item ? " has no picture in item " : " has no item ") << name << '\n';
    return 1;
  }
  const ArgbImage& image = item->Picture->Image;
  if (!writePng(outPath, image.width, image.height, item->KeyedPixels())) {
    err << "nk-oil: cannot write " << outPath << '\n';
    return 1;
  }
  return 0;
}

}  // namespace

int runNkOil(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::string command = args.empty() ? "" : args[0];
  if (command == "pack" && args.size() == 3) return pack(args[1], args[2], err);
  if (command == "list" && args.size() == 2) return list(args[1], out, err);
  if (command == "extract" && args.size() == 4) return extract(args[1], args[2], args[3], err);
  err << kUsage;
  return 2;
}

}  // namespace nk::oiltool
