#include <gtest/gtest.h>

#include "engine/image_list_collection.h"
#include "engine/oil_writer.h"
#include "oil_fixtures.h"
#include "support/oil_bytes.h"
#include "support/recording_messages.h"

namespace nk {
namespace {

using test::OilBytes;
using test::RecordingMessages;

TGraphic graphic(GraphicKind kind, std::string file) { return *decodeGraphic(kind, std::move(file)); }

TEST(LibraryWriter, StoresPropertiesInOrder) {
  RecordingMessages messages;
  TImageListCollection collection(messages);
  TImageListItem& full = collection.Add();
  full.Name = "guy";
  full.AssignPicture(graphic(GraphicKind::Bitmap, test::smallBmp()));
  full.SetTileHeight(-200);
  full.SetTileWidth(300);
  full.TransparentColor = 0xFF00FF;
  full.Transparent = true;
  full.Filepath = "pics\\guy.png";
  TImageListItem& bare = collection.Add();
  bare.TransparentColor = 0x123456;

  OilBytes expected;
  expected.header().byte(1);
  expected.property("Name").string("guy");
  expected.property("Picture.Data").binary(OilBytes::bitmapBlock(test::smallBmp()));
  expected.property("TileHeight").int16(-200).property("TileWidth").int16(300);
  expected.property("TransparentColor").ident("clFuchsia").property("Transparent").boolean(true);
  expected.property("Filepath").string("pics\\guy.png").byte(0);
  expected.byte(1).property("TileHeight").int8(1).property("TileWidth").int8(1);
  expected.property("TransparentColor").int32(0x123456).property("Transparent").boolean(false).byte(0);
  expected.footer();
  EXPECT_EQ(writeImageLibrary(collection), expected.bytes());
}

TEST(LibraryWriter, IntegersTakeTheSmallestTag) {
  const std::pair<int32_t, std::string> cases[] = {
      {0, OilBytes().int8(0).bytes()},
      {127, OilBytes().int8(127).bytes()},
      {-128, OilBytes().int8(-128).bytes()},
      {128, OilBytes().int16(128).bytes()},
      {-129, OilBytes().int16(-129).bytes()},
      {32767, OilBytes().int16(32767).bytes()},
      {-32768, OilBytes().int16(-32768).bytes()},
      {32768, OilBytes().int32(32768).bytes()},
      {-32769, OilBytes().int32(-32769).bytes()},
      {INT32_MIN, OilBytes().int32(INT32_MIN).bytes()},
  };
  for (const auto& [value, tagged] : cases) {
    RecordingMessages messages;
    TImageListCollection collection(messages);
    collection.Add().SetTileHeight(value);
    const std::string file = writeImageLibrary(collection);
    const std::string stored = OilBytes().property("TileHeight").raw(tagged).property("TileWidth").bytes();
    EXPECT_NE(file.find(stored), std::string::npos) << value;
  }
}

TEST(LibraryWriter, ColoursWithANameAreStoredByName) {
  const std::pair<TColor, std::string> cases[] = {
      {0x000000, OilBytes().ident("clBlack").bytes()},
      {0x1FFFFFFF, OilBytes().ident("clNone").bytes()},
      {static_cast<TColor>(0xFF000005u), OilBytes().ident("clWindow").bytes()},
      {0x000005, OilBytes().int8(5).bytes()},
      {static_cast<TColor>(0xFF000019u), OilBytes().int32(static_cast<int32_t>(0xFF000019u)).bytes()},
  };
  for (const auto& [color, tagged] : cases) {
    RecordingMessages messages;
    TImageListCollection collection(messages);
    collection.Add().TransparentColor = color;
    const std::string stored =
        OilBytes().property("TransparentColor").raw(tagged).property("Transparent").bytes();
    EXPECT_NE(writeImageLibrary(collection).find(stored), std::string::npos) << std::hex << color;
  }
}

TEST(LibraryWriter, RoundTripReadsBackExactly) {
  RecordingMessages messages;
  TImageListCollection source(messages);
  TImageListItem& cyrillic = source.Add();
  cyrillic.Name = "\xE2\xEE\xF0";  // Windows-1251
  cyrillic.AssignPicture(graphic(GraphicKind::Png, test::smallPng()));
  cyrillic.SetTileWidth(2);
  cyrillic.Transparent = true;
  cyrillic.TransparentColor = static_cast<TColor>(0xFF00000Fu);
  TImageListItem& longName = source.Add();
  longName.Name = std::string(256, 'n');  // one byte too long for a short string
  longName.AssignPicture(graphic(GraphicKind::Bitmap, test::smallBmp()));
  longName.Filepath = std::string(1000, 'f');
  source.Add().SetTileWidth(-7);

  const std::string file = writeImageLibrary(source);
  TImageListCollection loaded(messages);
  loaded.LoadFromStream(file);
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_EQ(loaded.Count(), source.Count());
  for (int i = 0; i < source.Count(); ++i) test::expectSameStored(loaded.Items(i), source.Items(i));
  EXPECT_EQ(writeImageLibrary(loaded), file);
}

}  // namespace
}  // namespace nk
