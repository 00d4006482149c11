#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/filepath.h"
#include "engine/nk_image_list.h"
#include "engine/oil_writer.h"
#include "oil_fixtures.h"
#include "platform/recording_device.h"
#include "support/recording_messages.h"

namespace nk {
namespace {

using test::RecordingMessages;

TGraphic pngOfSize(int width, int height) {
  return *decodeGraphic(
      GraphicKind::Png,
      *encodePng(width, height, std::vector<uint32_t>(static_cast<size_t>(width * height), 0xFF112233u)));
}

class ImageListTest : public testing::Test {
 protected:
  TImageListItem& add(const char* name, std::optional<TGraphic> picture = std::nullopt) {
    TImageListItem& item = list.ImageList().Add();
    item.Name = name;
    if (picture) item.AssignPicture(*picture);
    return item;
  }

  RecordingMessages messages;
  RecordingDevice device;
  TNkImageList list{messages};
};

TEST_F(ImageListTest, FindIsExactAndTakesTheFirst) {
  add("guy");
  add("Guy");
  add("guy");
  add("guys");
  const TImageListCollection& items = list.ImageList();
  EXPECT_EQ(items.Find("guy"), &list.ImageList().Items(0));
  EXPECT_EQ(items.Find("Guy"), &list.ImageList().Items(1));
  for (const char* missing : {"GUY", "gu", "guy ", ""}) EXPECT_EQ(items.Find(missing), nullptr) << missing;
}

struct PatternCase {
  int width, height;
  int32_t tileWidth, tileHeight;
  int32_t rows, columns;
};

TEST_F(ImageListTest, CreateTextureCountsPatterns) {
  const PatternCase cases[] = {
      {40, 30, 40, 30, 1, 1},                         // tiles the size of the picture: one pattern
      {100, 20, 30, 20, 1, 3},                        // the rightmost 10 pixels are no pattern
      {60, 45, 20, 15, 3, 3},  {60, 45, 0, 0, 1, 1},  // 0 stands for the whole picture
      {60, 45, -5, 7, 6, 1},                          // below 1: the whole width
      {10, 10, 11, 10, 1, 0},
  };
  for (const PatternCase& c : cases) {
    TImageListItem& item = add("p", pngOfSize(c.width, c.height));
    item.SetTileWidth(c.tileWidth);
    item.SetTileHeight(c.tileHeight);
  }
  list.InitDevice(&device);
  for (int i = 0; i < list.ImageList().Count(); ++i) {
    const TImageListItem& item = list.ImageList().Items(i);
    const PatternCase& c = cases[i];
    EXPECT_EQ(item.PatternRows(), c.rows) << i;
    EXPECT_EQ(item.PatternColumns(), c.columns) << i;
    EXPECT_EQ(item.PictureWidth(), c.width) << i;
    EXPECT_EQ(item.TextureWidth(), c.width) << i;
    EXPECT_NE(item.Texture(), 0u) << i;
    EXPECT_EQ(item.Device(), &device) << i;
  }
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ImageListTest, TileSettersFollowThePicture) {
  TImageListItem item;
  item.SetTileWidth(0);  // no picture yet: nothing to divide
  EXPECT_EQ(item.TileWidth(), 0);
  EXPECT_EQ(item.PatternColumns(), 0);
  item.AssignPicture(pngOfSize(100, 30));
  EXPECT_EQ(item.TileWidth(), 100);
  EXPECT_EQ(item.TileHeight(), 30);
  EXPECT_EQ(item.PatternCount(), 1);
  item.SetTileWidth(30);
  item.SetTileHeight(0);
  EXPECT_EQ(item.PatternColumns(), 3);
  EXPECT_EQ(item.TileHeight(), 30);
  item.SetTileWidth(-4);
  EXPECT_EQ(item.PatternColumns(), 0);
}

TEST_F(ImageListTest, AssignedPictureEstimatesTheTextureOnce) {
  TImageListItem item;
  item.AssignPicture(pngOfSize(100, 30));
  EXPECT_EQ(item.TextureWidth(), 128);
  EXPECT_EQ(item.TextureHeight(), 32);
  item.AssignPicture(pngOfSize(300, 300));
  EXPECT_EQ(item.TextureWidth(), 128);
  TImageListItem dot;
  dot.AssignPicture(pngOfSize(1, 1));
  EXPECT_EQ(dot.TextureWidth(), 2);
  EXPECT_EQ(dot.TextureHeight(), 2);
}

TEST_F(ImageListTest, TinyPicturesGetTexturesOfAtLeastTwoByTwo) {
  add("dot", pngOfSize(1, 3));
  list.InitDevice(&device);
  const TImageListItem& dot = list.ImageList().Items(0);
  EXPECT_EQ(dot.TextureWidth(), 2);
  EXPECT_EQ(dot.TextureHeight(), 3);
  EXPECT_EQ(dot.PictureWidth(), 1);
  // The collision mask covers the picture, not the texture's padding.
  for (int row = 0; row < 3; ++row) EXPECT_TRUE(dot.Solid(0, row)) << row;
  EXPECT_FALSE(dot.Solid(1, 0));
  EXPECT_FALSE(dot.Solid(0, 3));
}

struct KeyCase {
  const char* what;
  GraphicKind kind;
  bool transparent;
  TColor key;
  std::vector<uint32_t> pixels;
};

TEST_F(ImageListTest, ColourKeyMakesOpaqueKeyPixelsTransparentBlack) {
  const uint32_t M = 0xFFFF00FFu, G = 0xFF808080u, H = 0x80FF00FFu;
  const KeyCase cases[] = {
      {"bitmap keyed on clFuchsia",
       GraphicKind::Bitmap,
       true,
       0xFF00FF,
       {0, G, G, 0, G, 0, G, G, 0, G, G, 0}},
      {"PNG keeps its alpha", GraphicKind::Png, true, 0xFF00FF, {0, G, G, 0, G, H, G, G, 0, G, G, 0}},
      {"no key", GraphicKind::Png, false, 0xFF00FF, {M, G, G, M, G, H, G, G, M, G, G, M}},
      {"key of another colour", GraphicKind::Png, true, 0x808080, {M, 0, 0, M, 0, H, 0, 0, M, 0, 0, M}},
  };
  for (const KeyCase& c : cases) {
    TImageListItem& item =
        add(c.what, *decodeGraphic(c.kind, c.kind == GraphicKind::Png ? test::smallPng() : test::smallBmp()));
    item.Transparent = c.transparent;
    item.TransparentColor = c.key;
  }
  // The second texture is made after the first took the decoded pixels' place.
  for (const char* round : {"first texture", "texture made again"}) {
    list.InitDevice(&device);
    for (int i = 0; i < list.ImageList().Count(); ++i) {
      const TImageListItem& item = list.ImageList().Items(i);
      EXPECT_EQ(item.KeyedPixels(), cases[i].pixels) << cases[i].what << ", " << round;
      for (size_t at = 0; at < cases[i].pixels.size(); ++at) {
        EXPECT_EQ(item.Solid(static_cast<int>(at % 4), static_cast<int>(at / 4)), cases[i].pixels[at] != 0)
            << cases[i].what << ", " << round << ", pixel " << at;
      }
    }
    list.ReleaseDevice(true);
  }
}

TEST_F(ImageListTest, ItemsWithoutAPictureGetNoTexture) {
  add("none");
  add("external").Filepath = "no\\such\\file.png";
  list.InitDevice(&device);
  for (int i = 0; i < 2; ++i) {
    const TImageListItem& item = list.ImageList().Items(i);
    EXPECT_EQ(item.Texture(), 0u);
    EXPECT_EQ(item.Device(), nullptr);
    EXPECT_EQ(item.PatternCount(), 0);
  }
  EXPECT_EQ(device.liveTextures, 0);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ImageListTest, FailedTextureReportsAndEndsTheProgram) {
  add("guy", pngOfSize(4, 4));
  device.createSucceeds = false;
  list.InitDevice(&device);
  EXPECT_EQ(messages.messages,
            (std::vector<RecordingMessages::Message>{{"Error creating texture guy", "Error"}}));
  EXPECT_EQ(messages.terminations, 1);
  EXPECT_EQ(list.ImageList().Items(0).Texture(), 0u);
}

TEST_F(ImageListTest, DeviceLifecycle) {
  add("a", pngOfSize(4, 4));
  add("b", pngOfSize(8, 2));
  list.InitDevice(nullptr);
  EXPECT_EQ(device.liveTextures, 0);

  list.InitDevice(&device);
  EXPECT_EQ(device.liveTextures, 2);
  EXPECT_LT(list.ImageList().Items(0).Texture(), list.ImageList().Items(1).Texture());

  // A reset keeps the textures; the next InitDevice makes no new ones.
  list.ReleaseDevice(false);
  EXPECT_EQ(list.ImageList().Items(0).Device(), nullptr);
  EXPECT_NE(list.ImageList().Items(0).Texture(), 0u);
  list.InitDevice(&device);
  EXPECT_EQ(device.liveTextures, 2);
  EXPECT_EQ(list.ImageList().Items(1).Device(), &device);

  EXPECT_TRUE(list.ImageList().Items(1).Solid(0, 0));
  list.ReleaseDevice(true);
  EXPECT_EQ(device.liveTextures, 0);
  EXPECT_EQ(list.ImageList().Items(1).Texture(), 0u);
  EXPECT_FALSE(list.ImageList().Items(1).Solid(0, 0));

  list.InitDevice(&device);
  {
    TNkImageList other(messages);
    other.ImageList().Add().AssignPicture(pngOfSize(2, 2));
    other.InitDevice(&device);
    EXPECT_EQ(device.liveTextures, 3);
  }
  EXPECT_EQ(device.liveTextures, 2);  // a destroyed list takes its textures with it
}

TEST_F(ImageListTest, FilepathPicturesAreReadFromTheProgramFolderEveryTime) {
  const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "nk_filepath_test";
  std::filesystem::create_directories(folder / "pics");
  const auto writeAs = [&](int width, int height) {
    std::ofstream(folder / "pics" / "a.PNG", std::ios::binary)
        << *encodePng(width, height, std::vector<uint32_t>(static_cast<size_t>(width * height), 0xFF0000FFu));
  };
  writeAs(6, 4);
  list.ProgramFolder = folder.string();
  TImageListItem& item = add("external", pngOfSize(2, 2));
  item.Filepath = "  pics\\a.PNG \t";
  list.InitDevice(&device);
  EXPECT_EQ(item.Filepath, "pics\\a.PNG");
  EXPECT_EQ(item.PictureWidth(), 6);
  EXPECT_EQ(item.TextureWidth(), 6);
  EXPECT_FALSE(item.Picture);  // read again at the next CreateTexture

  writeAs(12, 8);
  list.ReleaseDevice(false);
  list.InitDevice(&device);
  EXPECT_EQ(item.PictureWidth(), 12);
  EXPECT_EQ(device.liveTextures, 1);

  std::filesystem::remove_all(folder);
  list.InitDevice(&device);  // a missing file is no error: nothing to measure
  EXPECT_EQ(item.PictureWidth(), 12);
  EXPECT_TRUE(messages.messages.empty());
}

TEST(Filepath, RelativeNamesAreFoundInTheProgramFolder) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"pics\\a.png", "/opt/nokturo", "/opt/nokturo/pics/a.png"},
      {"pics\\a.png", "/opt/nokturo/", "/opt/nokturo/pics/a.png"},
      {"a.png", "", "a.png"},
      {"C:\\x.png", "/opt/nokturo", "C:/x.png"},
      {"\\\\server\\x.png", "/opt/nokturo", "//server/x.png"},
      {"\\x.png", "/opt/nokturo", "/x.png"},
      {"/usr/x.png", "/opt/nokturo", "/usr/x.png"},
      {"\xE2.png", "/opt", "/opt/\xD0\xB2.png"},  // Windows-1251 to UTF-8
  };
  for (const auto& [filepath, folder, expected] : cases)
    EXPECT_EQ(resolveFilepath(filepath, folder), expected) << filepath;
}

TEST(Filepath, TrimBlanks) {
  EXPECT_EQ(trimBlanks(" \t a b \r\n"), "a b");
  EXPECT_EQ(trimBlanks("   "), "");
}

TEST(Collection, LoadFromFile) {
  RecordingMessages messages;
  TImageListCollection collection(messages);
  collection.Add().Name = "kept";
  collection.LoadFromFile("no\\such\\data.oil");
  EXPECT_EQ(messages.messages, std::vector{test::kFileError});
  ASSERT_EQ(collection.Count(), 1);

  TImageListCollection source(messages);
  source.Add().Name = "from file";
  const std::filesystem::path path = std::filesystem::path(testing::TempDir()) / "nk_collection_test.oil";
  std::ofstream(path, std::ios::binary) << writeImageLibrary(source);
  collection.LoadFromFile(path.string());
  std::filesystem::remove(path);
  ASSERT_EQ(collection.Count(), 1);
  EXPECT_EQ(collection.Items(0).Name, "from file");
  EXPECT_EQ(messages.messages.size(), 1u);
}

std::optional<std::string> flipBits(std::string_view data) {
  std::string out(data);
  for (char& c : out) c = static_cast<char>(c ^ 0x5A);
  return out;
}

TEST(Collection, StreamTransformRunsOnTheWholeFile) {
  RecordingMessages messages;
  TImageListCollection source(messages);
  source.Add().Name = "secret";
  TImageListCollection collection(messages);
  collection.StreamTransform = flipBits;
  collection.LoadFromStream(*flipBits(writeImageLibrary(source)));
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_EQ(collection.Count(), 1);
  EXPECT_EQ(collection.Items(0).Name, "secret");

  collection.StreamTransform = [](std::string_view) { return std::nullopt; };
  collection.LoadFromStream(writeImageLibrary(source));
  EXPECT_EQ(messages.messages, std::vector{test::kStreamError});
  EXPECT_EQ(collection.Count(), 0);
}

TEST(Collection, AssignCopiesWhatTheFileStores) {
  RecordingMessages messages;
  RecordingDevice device;
  TNkImageList source(messages);
  TImageListItem& item = source.ImageList().Add();
  item.Name = "guy";
  item.AssignPicture(pngOfSize(40, 20));
  item.SetTileWidth(10);
  item.Transparent = true;
  item.TransparentColor = 0x00FF00;
  item.Filepath = "x.png";
  source.InitDevice(&device);

  TNkImageList copy(messages);
  copy.ImageList().Add().Name = "replaced";
  copy.SetImageList(source.ImageList());
  ASSERT_EQ(copy.ImageList().Count(), 1);
  test::expectSameStored(copy.ImageList().Items(0), source.ImageList().Items(0));
  EXPECT_EQ(copy.ImageList().Items(0).Texture(), 0u);
}

}  // namespace
}  // namespace nk
