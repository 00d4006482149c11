// Writes the fuzzer's starting corpus into the folder given: library files from our writer
// and hand-made ones with the tags our writer never uses.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "engine/image_list_collection.h"
#include "engine/oil_writer.h"
#include "engine/png_writer.h"
#include "support/bmp_file.h"
#include "support/oil_bytes.h"
#include "support/recording_messages.h"

namespace {

using nk::test::OilBytes;

std::vector<std::string> seeds() {
  const std::vector<uint32_t> pixels = {0xFFFF00FFu, 0x80102030u, 0xFF000000u,
                                        0x00FFFFFFu, 0xFF00FF00u, 0xFFFF00FFu};
  const std::string png = *nk::encodePng(3, 2, pixels);
  nk::test::RecordingMessages messages;
  nk::TImageListCollection collection(messages);
  std::vector<std::string> out{writeImageLibrary(collection)};
  for (int bits : {1, 8, 24, 32}) {
    std::vector<uint32_t> opaque(pixels);
    for (uint32_t& p : opaque) p = bits == 1 ? ((p & 1) ? 0xFFFFFFFFu : 0xFF000000u) : (p | 0xFF000000u);
    nk::TImageListItem& item = collection.Add();
    item.Name = "bmp" + std::to_string(bits);
    item.AssignPicture(*nk::decodeGraphic(nk::GraphicKind::Bitmap, nk::test::makeBmp(3, 2, bits, opaque)));
    item.Transparent = true;
    item.TransparentColor = 0xFF00FF;
  }
  nk::TImageListItem& item = collection.Add();
  item.Name = "png";
  item.AssignPicture(*nk::decodeGraphic(nk::GraphicKind::Png, png));
  item.SetTileWidth(1);
  item.Filepath = "pics\\a.png";
  out.push_back(writeImageLibrary(collection));

  OilBytes hand;
  hand.raw("TPF0").byte(0xF2).int16(3).shortString("TImageListCollectionComponent").shortString("x");
  hand.shortString("List").byte(14).int8(0).byte(1);
  hand.property("Name").wideString(u"\u0432\u043e\u0440").property("Filepath").utf8String("f");
  hand.property("TileWidth").int32(70000).property("TileHeight").int8(0).byte(0);
  hand.int16(1).byte(1).property("TransparentColor").ident("clBtnFace").property("Transparent").ident("True");
  hand.property("Picture.Data").binary(OilBytes::pngBlock(png)).byte(0).footer();
  out.push_back(hand.bytes());
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: nk_oil_fuzz_seeds FOLDER\n";
    return 2;
  }
  std::filesystem::create_directories(argv[1]);
  int n = 0;
  for (const std::string& seed : seeds()) {
    std::ofstream(std::filesystem::path(argv[1]) / ("seed" + std::to_string(n++) + ".oil"), std::ios::binary)
        << seed;
  }
  return 0;
}
