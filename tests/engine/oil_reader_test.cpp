#include <gtest/gtest.h>

#include <functional>

#include "engine/image_list_collection.h"
#include "engine/oil_writer.h"
#include "oil_fixtures.h"
#include "support/oil_bytes.h"
#include "support/recording_messages.h"

namespace nk {
namespace {

using test::OilBytes;
using test::RecordingMessages;

struct ItemCase {
  const char* what;
  std::function<void(OilBytes&)> properties;      // between the item's tag 1 and its closing 0
  std::function<void(TImageListItem&)> expected;  // applied to a new item
};

std::string oneItemFile(const ItemCase& c) {
  OilBytes file;
  file.header().byte(1);
  c.properties(file);
  file.byte(0).footer();
  return file.bytes();
}

class ItemProperties : public testing::TestWithParam<ItemCase> {};

TEST_P(ItemProperties, ReadExactly) {
  RecordingMessages messages;
  TImageListCollection collection(messages);
  collection.LoadFromStream(oneItemFile(GetParam()));
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_EQ(collection.Count(), 1);
  TImageListItem expected;
  GetParam().expected(expected);
  test::expectSameStored(collection.Items(0), expected);
}

TGraphic graphic(GraphicKind kind, std::string file) { return *decodeGraphic(kind, std::move(file)); }

const ItemCase kItemCases[] = {
    {"no properties", [](OilBytes&) {}, [](TImageListItem&) {}},
    {"name, short string", [](OilBytes& b) { b.property("Name").string("guy"); },
     [](TImageListItem& i) { i.Name = "guy"; }},
    {"name, long string", [](OilBytes& b) { b.property("Name").longString("guy"); },
     [](TImageListItem& i) { i.Name = "guy"; }},
    {"name, wide string in Windows-1251",
     [](OilBytes& b) { b.property("Name").wideString(u"\u0432\u043e\u0440"); },
     [](TImageListItem& i) { i.Name = "\xE2\xEE\xF0"; }},
    {"name, wide string outside the code page",
     [](OilBytes& b) { b.property("Name").wideString(u"a\U0001F600b\xD800"); },
     [](TImageListItem& i) { i.Name = "a?b?"; }},
    {"name, UTF-8 string", [](OilBytes& b) { b.property("Name").utf8String("\xD0\xB2\xD0\xBE\xD1\x80"); },
     [](TImageListItem& i) { i.Name = "\xE2\xEE\xF0"; }},
    {"filepath, every string tag",
     [](OilBytes& b) {
       b.property("Filepath")
           .string("a")
           .property("Filepath")
           .longString("b")
           .property("Filepath")
           .wideString(u"c");
       b.property("Filepath").utf8String("pics\\a.png");
     },
     [](TImageListItem& i) { i.Filepath = "pics\\a.png"; }},
    {"tile sizes, every integer tag",
     [](OilBytes& b) { b.property("TileHeight").int8(-5).property("TileWidth").int16(300); },
     [](TImageListItem& i) { i.SetTileHeight(-5), i.SetTileWidth(300); }},
    {"tile sizes, 32-bit and zero",
     [](OilBytes& b) { b.property("TileHeight").int32(70000).property("TileWidth").int8(0); },
     [](TImageListItem& i) { i.SetTileHeight(70000), i.SetTileWidth(0); }},
    {"colour, 8-bit", [](OilBytes& b) { b.property("TransparentColor").int8(-2); },
     [](TImageListItem& i) { i.TransparentColor = -2; }},
    {"colour, 16-bit", [](OilBytes& b) { b.property("TransparentColor").int16(0x1234); },
     [](TImageListItem& i) { i.TransparentColor = 0x1234; }},
    {"colour, 32-bit", [](OilBytes& b) { b.property("TransparentColor").int32(0xFF00FF); },
     [](TImageListItem& i) { i.TransparentColor = 0xFF00FF; }},
    {"colour, by name", [](OilBytes& b) { b.property("TransparentColor").ident("clFuchsia"); },
     [](TImageListItem& i) { i.TransparentColor = 0xFF00FF; }},
    {"colour, a system colour by name",
     [](OilBytes& b) { b.property("TransparentColor").ident("clBtnFace"); },
     [](TImageListItem& i) { i.TransparentColor = static_cast<TColor>(0xFF00000Fu); }},
    {"transparent, tag true", [](OilBytes& b) { b.property("Transparent").boolean(true); },
     [](TImageListItem& i) { i.Transparent = true; }},
    {"transparent, tag false after true",
     [](OilBytes& b) { b.property("Transparent").boolean(true).property("Transparent").boolean(false); },
     [](TImageListItem&) {}},
    {"transparent, by name", [](OilBytes& b) { b.property("Transparent").ident("True"); },
     [](TImageListItem& i) { i.Transparent = true; }},
    {"transparent, by name false",
     [](OilBytes& b) { b.property("Transparent").ident("True").property("Transparent").ident("False"); },
     [](TImageListItem&) {}},
    {"bitmap picture",
     [](OilBytes& b) { b.property("Picture.Data").binary(OilBytes::bitmapBlock(test::smallBmp())); },
     [](TImageListItem& i) { i.Picture = graphic(GraphicKind::Bitmap, test::smallBmp()); }},
    {"bitmap picture with bytes after it in the block",
     [](OilBytes& b) { b.property("Picture.Data").binary(OilBytes::bitmapBlock(test::smallBmp()) + "xyz"); },
     [](TImageListItem& i) { i.Picture = graphic(GraphicKind::Bitmap, test::smallBmp()); }},
    {"PNG picture",
     [](OilBytes& b) { b.property("Picture.Data").binary(OilBytes::pngBlock(test::smallPng())); },
     [](TImageListItem& i) { i.Picture = graphic(GraphicKind::Png, test::smallPng()); }},
    {"unknown graphic class",
     [](OilBytes& b) {
       b.property("Picture.Data").binary(OilBytes().shortString("TIcon").raw("data").bytes());
     },
     [](TImageListItem&) {}},
    {"empty graphic class",
     [](OilBytes& b) { b.property("Picture.Data").binary(OilBytes().shortString("").bytes()); },
     [](TImageListItem&) {}},
    {"a later picture replaces the earlier",
     [](OilBytes& b) {
       b.property("Picture.Data").binary(OilBytes::pngBlock(test::smallPng()));
       b.property("Picture.Data").binary(OilBytes().shortString("TMetafile").bytes());
     },
     [](TImageListItem&) {}},
};

INSTANTIATE_TEST_SUITE_P(Tags, ItemProperties, testing::ValuesIn(kItemCases));

// A picture the decoder rejects leaves its item without one, and the load names it: once for
// the whole library, whatever else is wrong with the file.
TEST(LibraryFile, PicturesThatDoNotDecodeAreNamedOnceAtLoad) {
  const std::string broken = OilBytes::pngBlock(test::smallPng().substr(0, 30));
  const std::string good = OilBytes::pngBlock(test::smallPng());
  const auto item = [](OilBytes& b, const char* name, const std::vector<std::string>& pictures) {
    b.byte(1);
    if (*name != '\0') b.property("Name").string(name);
    for (const std::string& p : pictures) b.property("Picture.Data").binary(p);
    b.byte(0);
  };
  const struct {
    const char* what;
    std::function<void(OilBytes&)> items;
    bool complete;
    std::vector<RecordingMessages::Message> messages;
  } cases[] = {
      {"one",
       [&](OilBytes& b) {
         item(b, "ok", {good});
         item(b, "scr_levcompl", {broken});
       },
       true,
       {{"The picture \"scr_levcompl\" could not be decoded.", "Error!"}}},
      {"two, one unnamed; unknown classes and pictures given again are not counted",
       [&](OilBytes& b) {
         item(b, "a", {broken});
         item(b, "icon", {OilBytes().shortString("TIcon").raw("data").bytes()});
         item(b, "", {broken});
         item(b, "mended", {broken, good});
       },
       true,
       {{"The pictures \"a\", item 2 could not be decoded.", "Error!"}}},
      {"a dozen",
       [&](OilBytes& b) {
         for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"})
           item(b, name, {broken});
       },
       true,
       {{"The pictures \"a\", \"b\", \"c\", \"d\", \"e\", \"f\", \"g\", \"h\", \"i\", \"j\" and 2 "
         "more could not be decoded.",
         "Error!"}}},
      {"in a file broken after them",
       [&](OilBytes& b) {
         item(b, "a", {broken});
         b.byte(1).property("Colour");
       },
       false,
       {{"The picture \"a\" could not be decoded.", "Error!"}, test::kStreamError}},
  };
  for (const auto& c : cases) {
    OilBytes file;
    file.header();
    c.items(file);
    if (c.complete) file.footer();
    RecordingMessages messages;
    TImageListCollection collection(messages);
    collection.LoadFromStream(file.bytes());
    EXPECT_EQ(messages.messages, c.messages) << c.what;
    for (int i = 0; i < collection.Count(); ++i) {
      const TImageListItem& loaded = collection.Items(i);
      EXPECT_EQ(loaded.Picture.has_value(), loaded.Name == "ok" || loaded.Name == "mended") << c.what << i;
    }
  }
}

struct FileCase {
  const char* what;
  std::string bytes;
  int items;
};

OilBytes itemNamed(OilBytes b, const char* name) { return b.byte(1).property("Name").string(name).byte(0); }

std::vector<FileCase> wellFormedFiles() {
  const auto afterHeader = [](OilBytes prefix) {
    prefix.shortString("TImageListCollectionComponent").shortString("").shortString("List").byte(14);
    return itemNamed(itemNamed(prefix, "a"), "b").footer().bytes();
  };
  return {
      {"empty list", OilBytes().header().footer().bytes(), 0},
      {"flags byte without child position", afterHeader(OilBytes().raw("TPF0").byte(0xF0)), 2},
      {"flags byte with an 8-bit child position", afterHeader(OilBytes().raw("TPF0").byte(0xF2).int8(3)), 2},
      {"flags byte with a 16-bit child position", afterHeader(OilBytes().raw("TPF0").byte(0xF3).int16(-300)),
       2},
      {"flags byte with a 32-bit child position",
       afterHeader(OilBytes().raw("TPF0").byte(0xFF).int32(1 << 20)), 2},
      {"named component", itemNamed(itemNamed(OilBytes().header("NkImageList1"), "a"), "b").footer().bytes(),
       2},
      {"order values of every size",
       itemNamed(itemNamed(itemNamed(OilBytes().header().int8(0), "a").int16(1000), "b").int32(-7), "c")
           .footer()
           .bytes(),
       3},
      {"bytes after the end", itemNamed(OilBytes().header(), "a").footer().raw("rest").bytes(), 1},
  };
}

TEST(LibraryFile, WellFormedVariantsLoad) {
  for (const FileCase& c : wellFormedFiles()) {
    RecordingMessages messages;
    TImageListCollection collection(messages);
    collection.LoadFromStream(c.bytes);
    EXPECT_TRUE(messages.messages.empty()) << c.what;
    EXPECT_EQ(collection.Count(), c.items) << c.what;
  }
}

std::vector<FileCase> brokenFiles() {
  const auto item = [](const std::function<void(OilBytes&)>& properties) {
    OilBytes b;
    b.header().byte(1).property("Name").string("first").byte(0).byte(1);
    properties(b);
    return b.byte(0).footer().bytes();
  };
  const std::string good = itemNamed(OilBytes().header(), "a").footer().bytes();
  return {
      {"empty", "", 0},
      {"wrong signature", "TPF1" + good.substr(4), 0},
      {"another component property",
       OilBytes().raw("TPF0").shortString("C").shortString("").shortString("Items").byte(14).footer().bytes(),
       0},
      {"list that is not a collection",
       OilBytes().raw("TPF0").shortString("C").shortString("").shortString("List").byte(1).footer().bytes(),
       0},
      {"child position that is not an integer", OilBytes().raw("TPF0").byte(0xF2).string("x").bytes(), 0},
      {"order value not followed by an item", OilBytes().header().int8(1).string("x").footer().bytes(), 0},
      {"item without its list tag", OilBytes().header().byte(6).footer().bytes(), 0},
      {"no closing zeros", good.substr(0, good.size() - 2), 1},
      {"no closing zero for the children", good.substr(0, good.size() - 1), 1},
      {"child components", good.substr(0, good.size() - 1) + "\x01", 1},
      {"unknown property", item([](OilBytes& b) { b.property("Colour").int8(1); }), 2},
      {"property names are exact", item([](OilBytes& b) { b.property("name").string("x"); }), 2},
      {"name as an identifier", item([](OilBytes& b) { b.property("Name").ident("x"); }), 2},
      {"name as an integer", item([](OilBytes& b) { b.property("Name").int8(1); }), 2},
      {"tile size as a string", item([](OilBytes& b) { b.property("TileWidth").string("1"); }), 2},
      {"tile size as an identifier", item([](OilBytes& b) { b.property("TileHeight").ident("clRed"); }), 2},
      {"unknown colour name",
       item([](OilBytes& b) { b.property("TransparentColor").ident("clTransparent"); }), 2},
      {"colour as a string", item([](OilBytes& b) { b.property("TransparentColor").string("clRed"); }), 2},
      {"boolean names are exact", item([](OilBytes& b) { b.property("Transparent").ident("true"); }), 2},
      {"boolean as an integer", item([](OilBytes& b) { b.property("Transparent").int8(1); }), 2},
      {"picture as a string", item([](OilBytes& b) { b.property("Picture.Data").string("TBitmap"); }), 2},
      {"unknown tag", item([](OilBytes& b) { b.property("TileWidth").byte(5); }), 2},
      {"negative length",
       item([](OilBytes& b) { b.property("Name").byte(12).le(0xFFFFFFFFu, 4).raw("abc"); }), 2},
      {"long string longer than the rest",
       item([](OilBytes& b) { b.property("Name").byte(12).le(0x7FFFFFFF, 4).raw("abc"); }), 2},
      {"wide string longer than the rest", item([](OilBytes& b) {
         b.property("Name").byte(18).le(0x7FFFFFFF, 4).raw(std::string_view("a\0", 2));
       }),
       2},
      {"UTF-8 string longer than the rest",
       item([](OilBytes& b) { b.property("Name").byte(20).le(0x7FFFFFFF, 4).raw("abc"); }), 2},
      {"short string longer than the rest",
       item([](OilBytes& b) { b.property("Name").byte(6).byte(200).raw("abc"); }), 2},
      {"picture block longer than the rest",
       item([](OilBytes& b) { b.property("Picture.Data").byte(10).le(0x7FFFFFF0, 4).raw("\x07TBitmap"); }),
       2},
      {"bitmap longer than its block", item([](OilBytes& b) {
         b.property("Picture.Data").binary(OilBytes().shortString("TBitmap").le(1000, 4).raw("BM").bytes());
       }),
       2},
      {"class name longer than its block", item([](OilBytes& b) {
         b.property("Picture.Data").binary(OilBytes().byte(50).raw("TBitmap").bytes());
       }),
       2},
      {"empty picture block", item([](OilBytes& b) { b.property("Picture.Data").binary(""); }), 2},
  };
}

// The items created before the failure stay: the first one whole, a broken second one with
// what it had read.
TEST(LibraryFile, BrokenFilesFailWithTheStreamMessage) {
  for (const FileCase& c : brokenFiles()) {
    RecordingMessages messages;
    TImageListCollection collection(messages);
    collection.Add().Name = "left from before";
    collection.LoadFromStream(c.bytes);
    EXPECT_EQ(messages.messages, std::vector{test::kStreamError}) << c.what;
    EXPECT_EQ(collection.Count(), c.items) << c.what;
    if (c.items > 0) {
      EXPECT_TRUE(collection.Items(0).Name == "first" || collection.Items(0).Name == "a") << c.what;
    }
    if (c.items > 1) {
      EXPECT_EQ(collection.Items(1).Name, "") << c.what;
    }
  }
}

// A file and where each of its items starts (its list tag) and ends.
struct Layout {
  std::string bytes;
  std::vector<size_t> starts, ends;
};

Layout writerFile(const TImageListCollection& source) {
  RecordingMessages unused;
  TImageListCollection prefix(unused);
  Layout layout;
  for (int i = 0; i <= source.Count(); ++i) {
    // The footer is 3 bytes; the item list so far ends before it.
    const size_t end = writeImageLibrary(prefix).size() - 3;
    if (i > 0) layout.ends.push_back(end);
    if (i < source.Count()) layout.starts.push_back(end), prefix.Add().Assign(source.Items(i));
  }
  layout.bytes = writeImageLibrary(source);
  return layout;
}

// Every cut of the file fails with the message; the items whose list tag was read stay, and
// those read to their end are whole.
void expectEveryTruncationFails(const Layout& file, const TImageListCollection& expected) {
  for (size_t cut = 0; cut < file.bytes.size(); ++cut) {
    RecordingMessages messages;
    TImageListCollection collection(messages);
    collection.LoadFromStream(std::string_view(file.bytes).substr(0, cut));
    ASSERT_EQ(messages.messages, std::vector{test::kStreamError}) << "cut at " << cut;
    const auto created =
        std::count_if(file.starts.begin(), file.starts.end(), [&](size_t s) { return s < cut; });
    ASSERT_EQ(collection.Count(), created) << "cut at " << cut;
    for (int i = 0; i < collection.Count(); ++i) {
      if (file.ends[static_cast<size_t>(i)] <= cut)
        test::expectSameStored(collection.Items(i), expected.Items(i));
    }
  }
}

TEST(LibraryFile, EveryTruncationOfAWrittenFileFailsCleanly) {
  RecordingMessages unused;
  TImageListCollection source(unused);
  TImageListItem& bitmap = source.Add();
  bitmap.Name = "bitmap";
  bitmap.AssignPicture(graphic(GraphicKind::Bitmap, test::smallBmp()));
  bitmap.Transparent = true;
  bitmap.TransparentColor = 0xFF00FF;
  TImageListItem& png = source.Add();
  png.Name = std::string(300, 'p');
  png.AssignPicture(graphic(GraphicKind::Png, test::smallPng()));
  png.SetTileWidth(2);
  TImageListItem& external = source.Add();
  external.Filepath = "pics\\a.png";
  external.TransparentColor = 0x123456;
  expectEveryTruncationFails(writerFile(source), source);
}

TEST(LibraryFile, EveryTruncationOfAHandMadeFileFailsCleanly) {
  RecordingMessages unused;
  TImageListCollection expected(unused);
  Layout file;
  OilBytes b;
  b.raw("TPF0").byte(0xF2).int16(5).shortString("TImageListCollectionComponent").shortString("x");
  b.shortString("List").byte(14).int8(0);
  file.starts.push_back(b.size());
  b.byte(1).property("Name").wideString(u"\u0432").property("TileWidth").int32(70000);
  b.property("TransparentColor").ident("clRed").property("Transparent").ident("True").byte(0).int32(1);
  file.ends.push_back(b.size() - 5);
  file.starts.push_back(b.size());
  b.byte(1).property("Filepath").utf8String("f").property("Name").longString("n");
  b.property("Picture.Data").binary(OilBytes::pngBlock(test::smallPng())).byte(0);
  file.ends.push_back(b.size());
  b.footer();
  file.bytes = b.bytes();

  TImageListItem& first = expected.Add();
  first.Name = "\xE2";
  first.SetTileWidth(70000);
  first.TransparentColor = 0x0000FF;
  first.Transparent = true;
  TImageListItem& second = expected.Add();
  second.Filepath = "f";
  second.Name = "n";
  second.Picture = graphic(GraphicKind::Png, test::smallPng());
  expectEveryTruncationFails(file, expected);
}

}  // namespace
}  // namespace nk
