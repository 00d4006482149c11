// The built Data/data.oil against what the game looks up: every name, enough frames, the sizes and
// the opaque pixels that play depends on. And artgen draws the same bytes every time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/image_list_collection.h"
#include "engine/oil_reader.h"
#include "support/recording_messages.h"

namespace nk {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// One frame of a picture, read straight from its pixels.
struct Frame {
  const ArgbImage* image;
  int x0, y0, w, h;
  bool opaque(int x, int y) const {
    if (x < 0 || y < 0 || x >= w || y >= h) return false;
    return (image->pixels[static_cast<size_t>((y0 + y) * image->width + x0 + x)] >> 24) != 0;
  }
};

class ArtLibrary : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    library_ = new TImageListCollection(messages_);
    const LibraryRead read = readImageLibrary(readFile(NK_DATA_OIL), *library_);
    ASSERT_TRUE(read.complete);
    ASSERT_TRUE(read.undecodedPictures.empty());
  }
  static void TearDownTestSuite() { delete library_; }

  static const TImageListItem& item(const std::string& name) {
    const TImageListItem* found = library_->Find(name);
    if (!found) throw std::runtime_error("missing " + name);
    return *found;
  }
  static int frames(const TImageListItem& i) {
    return (i.Picture->Image.width / i.TileWidth()) * (i.Picture->Image.height / i.TileHeight());
  }
  static Frame frame(const std::string& name, int f) {
    const TImageListItem& i = item(name);
    const int columns = i.Picture->Image.width / i.TileWidth();
    return {&i.Picture->Image, (f % columns) * i.TileWidth(), (f / columns) * i.TileHeight(), i.TileWidth(),
            i.TileHeight()};
  }
  // Do the opaque pixels of a at (ax, ay) touch those of b at (bx, by)? What the sprite engine's
  // pixel test asks.
  static bool touch(const Frame& a, int ax, int ay, const Frame& b, int bx, int by) {
    for (int y = 0; y < a.h; ++y) {
      for (int x = 0; x < a.w; ++x) {
        if (a.opaque(x, y) && b.opaque(ax + x - bx, ay + y - by)) return true;
      }
    }
    return false;
  }

  static test::RecordingMessages messages_;
  static TImageListCollection* library_;
};
test::RecordingMessages ArtLibrary::messages_;
TImageListCollection* ArtLibrary::library_ = nullptr;

struct Expected {
  std::string name;
  int frames;
  int w, h;  // 0: not fixed
};

std::vector<Expected> catalogue() {
  std::vector<Expected> all;
  const int doorX[6] = {145, 145, 145, 152, 152, 142}, doorY[6] = {60, 37, 37, 42, 42, 61};
  for (int level = 1; level <= 6; ++level) {
    const std::string n = std::to_string(level);
    const int shift = level == 5 ? 4 : 0;  // level 5 puts its contents 4 pixels higher
    all.push_back({"level" + n + "walls", 8, 200, 200});
    all.push_back({"level" + n + "doors", 2, 200 - doorX[level - 1], 190 - doorY[level - 1] + shift});
    all.push_back({"level" + n + "backdoors", 5, 0, 200});
  }
  for (const char* name : {"back_first", "mainback", "scr_choose", "seiftake", "gamecompl", "lose"}) {
    all.push_back({name, 1, 800, 600});
  }
  // A table reads better packed than one picture a line.
  // clang-format off
  const std::vector<Expected> rest = {
      {"level1lift", 4, 0, 0}, {"level2lift", 4, 0, 0}, {"level1stairs", 2, 0, 0}, {"fon", 6, 200, 200},
      {"wideinterior", 6, 0, 0}, {"thininterior", 7, 0, 0}, {"seif", 1, 0, 0}, {"keysboard", 1, 0, 0},
      {"keys", 4, 0, 0}, {"playerkeys", 4, 0, 0}, {"money", 4, 0, 0}, {"values", 4, 0, 0}, {"prizlife", 5, 0, 0},
      {"priztime", 5, 0, 0}, {"guy", 10, 0, 115}, {"cat", 21, 0, 110}, {"laser", 2, 0, 0}, {"siren", 4, 0, 0},
      {"heart", 6, 0, 0}, {"think", 1, 0, 0}, {"vor_idet", 8, 0, 120}, {"vor_oglyad", 14, 0, 120},
      {"vor_stoit", 1, 0, 120}, {"vor_take", 5, 0, 120}, {"vor_openwithkey", 9, 0, 120}, {"vor_crush", 11, 0, 120},
      {"vor_onstairs", 2, 0, 120}, {"vor_scare", 1, 0, 120}, {"vor_lookup", 1, 0, 120}, {"panel", 1, 150, 600},
      {"okna", 6, 0, 0}, {"b_logo", 1, 800, 0}, {"b_stgame", 1, 0, 0}, {"b_opt", 1, 0, 0}, {"b_hiscr", 1, 0, 0},
      {"b_help", 1, 0, 0}, {"b_visit", 1, 0, 0}, {"b_exit", 1, 0, 0}, {"cursor", 1, 0, 0}, {"cursor_mouse", 1, 0, 0},
      {"scr_help", 1, 0, 0}, {"scr_help2", 1, 0, 0}, {"scr_help3", 1, 0, 0}, {"b_back", 1, 0, 0}, {"b_next", 1, 0, 0},
      {"b_prev", 1, 0, 0}, {"scr_opt", 1, 0, 0}, {"b_apply", 2, 0, 0}, {"b_cancel", 2, 0, 0}, {"b_on", 2, 0, 0},
      {"b_off", 2, 0, 0}, {"Edit", 1, 0, 0}, {"editname", 1, 0, 0}, {"scr_hiscr", 1, 0, 0}, {"b_clrhiscr", 1, 0, 0},
      {"b_viewwhiscr", 1, 0, 0}, {"scr_clearhiscr", 1, 0, 0}, {"scr_ExitTheGame", 1, 0, 0}, {"b_yes", 2, 0, 0},
      {"b_no", 2, 0, 0}, {"yourscoreis", 1, 0, 0}, {"scr_send", 1, 0, 0}, {"scr_levcompl", 1, 0, 0},
      {"timesup", 1, 0, 0}, {"pause", 1, 0, 0}, {"scr_fasthelp", 1, 0, 0}};
  // clang-format on
  all.insert(all.end(), rest.begin(), rest.end());
  return all;
}

TEST_F(ArtLibrary, EveryNameWithItsFramesAndSize) {
  for (const Expected& e : catalogue()) {
    const TImageListItem* i = library_->Find(e.name);
    ASSERT_NE(i, nullptr) << e.name;
    ASSERT_TRUE(i->Picture) << e.name;
    EXPECT_GE(frames(*i), e.frames) << e.name;
    if (e.w) {
      EXPECT_EQ(i->TileWidth(), e.w) << e.name;
    }
    if (e.h) {
      EXPECT_EQ(i->TileHeight(), e.h) << e.name;
    }
  }
}

TEST_F(ArtLibrary, NoFrameIsBlankOrFlat) {
  for (const Expected& e : catalogue()) {
    const TImageListItem& i = item(e.name);
    for (int f = 0; f < frames(i); ++f) {
      const Frame fr = frame(e.name, f);
      std::set<uint32_t> colours;
      for (int y = 0; y < fr.h && colours.size() < 3; ++y) {
        for (int x = 0; x < fr.w; ++x) {
          const uint32_t p = fr.image->pixels[static_cast<size_t>((fr.y0 + y) * fr.image->width + fr.x0 + x)];
          if (p >> 24) colours.insert(p);
        }
      }
      EXPECT_GE(colours.size(), 3u) << e.name << " frame " << f;
    }
  }
}

TEST_F(ArtLibrary, SizesThePlayCodeAssumes) {
  struct Range {
    const char* name;
    bool width;  // else height
    int lo, hi;
  };
  for (const Range& r : std::vector<Range>{
           {"vor_idet", true, 50, 70},       // the burglar is about 60 wide
           {"level1stairs", true, 90, 110},  // the stairs window needs 90 .. 110
           {"level1stairs", false, 190, 200},
           {"level1lift", true, 100, 120},
           {"level2lift", true, 100, 120},
           {"level1lift", false, 181, 188},  // from room y 2 .. 10 down to the floor line
           {"level2lift", false, 185, 188},
           {"laser", true, 90, 110},  // a thin beam about 100 wide
           {"laser", false, 2, 12},
           {"playerkeys", true, 20, 32},  // icons sit 32 apart
           {"okna", true, 20, 141},       // the last window is at x 659
           {"cursor", true, 150, 205},    // at scale 1 it must end before the buttons at x 270
       }) {
    const TImageListItem& i = item(r.name);
    const int v = r.width ? i.TileWidth() : i.TileHeight();
    EXPECT_GE(v, r.lo) << r.name;
    EXPECT_LE(v, r.hi) << r.name;
  }
  for (const char* name : {"vor_idet", "vor_oglyad", "vor_stoit", "vor_take", "vor_openwithkey", "vor_crush",
                           "vor_onstairs", "vor_scare", "vor_lookup"}) {
    EXPECT_EQ(item(name).TileWidth(), item("vor_idet").TileWidth()) << name;
  }
}

// Relative luminance contrast of two opaque colours, 1 (none) to 21 (black on white).
double contrast(uint32_t a, uint32_t b) {
  const auto luminance = [](uint32_t argb) {
    const auto channel = [](uint32_t v) {
      const double c = v / 255.0;
      return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel((argb >> 16) & 0xFF) + 0.7152 * channel((argb >> 8) & 0xFF) +
           0.0722 * channel(argb & 0xFF);
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Where the game writes numbers onto a picture, the box under them must let them be read.
TEST_F(ArtLibrary, TheNumbersTheGameWritesStandOutFromTheBoxesUnderThem) {
  constexpr uint32_t kWhite = 0xFFFFFF, kTimeGrey = 0x323232;
  const struct {
    const char* what;
    const char* picture;
    int placedX, placedY;  // where the game puts the picture
    int textX, textY;      // where it writes the number's top left
    uint32_t colour;
  } cases[] = {
      {"lives on the side panel", "panel", 650, 0, 713, 180, kWhite},
      {"level on the side panel", "panel", 650, 0, 713, 350, kWhite},
      {"time on the side panel", "panel", 650, 0, 690, 510, kTimeGrey},
      {"score of the tally", "scr_levcompl", 230, 40, 370, 360, kWhite},
      {"time of the tally", "scr_levcompl", 230, 40, 370, 457, kTimeGrey},
  };
  for (const auto& c : cases) {
    const ArgbImage& image = item(c.picture).Picture->Image;
    double worst = 21;
    // Over the first two digits' height and width.
    for (int dy = 4; dy <= 20; dy += 4) {
      for (int dx = 2; dx <= 34; dx += 4) {
        const int x = c.textX - c.placedX + dx, y = c.textY - c.placedY + dy;
        ASSERT_TRUE(x >= 0 && y >= 0 && x < image.width && y < image.height) << c.what;
        worst = std::min(worst, contrast(image.pixels[static_cast<size_t>(y * image.width + x)], c.colour));
      }
    }
    EXPECT_GE(worst, 4.5) << c.what;
  }
}

TEST_F(ArtLibrary, FeetStandOnTheBottomRow) {
  for (const char* name : {"vor_idet", "vor_oglyad", "vor_stoit", "vor_take", "vor_openwithkey", "vor_crush",
                           "vor_onstairs", "vor_scare", "vor_lookup", "guy"}) {
    for (int f = 0; f < frames(item(name)); ++f) {
      const Frame fr = frame(name, f);
      bool feet = false;
      for (int x = 0; x < fr.w; ++x) feet = feet || fr.opaque(x, fr.h - 1);
      EXPECT_TRUE(feet) << name << " frame " << f;
    }
  }
}

// The burglar (vor_idet frame 0 at room x position - 40, y 70) must touch what he uses, from a
// room position where the game lets him.
TEST_F(ArtLibrary, TheBurglarReachesWhatHeUses) {
  const Frame burglar = frame("vor_idet", 0);
  struct Use {
    std::string name;
    int frame, x, y;   // in the room
    int posLo, posHi;  // room positions where the game tests it
  };
  const int keyX[4] = {20, 32, 45, 58}, keyY[4] = {60, 75, 60, 75};
  std::vector<Use> uses;
  for (int k = 0; k < 4; ++k) uses.push_back({"keys", k, keyX[k], keyY[k], 0, 151});
  const int doorX[6] = {145, 145, 145, 152, 152, 142}, doorY[6] = {60, 37, 37, 42, 42, 61};
  for (int level = 1; level <= 6; ++level) {
    for (int f = 0; f < 2; ++f) {
      uses.push_back(
          {"level" + std::to_string(level) + "doors", f, doorX[level - 1], doorY[level - 1], 145, 151});
    }
  }
  const int stairsW = item("level1stairs").TileWidth(), liftW = item("level1lift").TileWidth();
  // strictly between stairs x - 20 and stairs x + width - 50 (room x of the burglar)
  uses.push_back({"level1stairs", 0, 60, 0, 60 - 20 + 40 + 1, 60 + stairsW - 50 + 40 - 1});
  uses.push_back({"level1stairs", 1, 60, 30, 60 - 20 + 40 + 1, 60 + stairsW - 50 + 40 - 1});
  uses.push_back({"level1lift", 0, 15, 5, 15 - 20 + 40 + 1, 15 + liftW - 60 + 40 - 1});
  uses.push_back({"level2lift", 0, 15, 3, 15 - 20 + 40 + 1, 15 + liftW - 60 + 40 - 1});
  uses.push_back({"seif", 0, 20, 40, 0, 151});
  for (const Use& u : uses) {
    const Frame thing = frame(u.name, u.frame);
    bool reached = false;
    for (int pos = u.posLo; pos <= u.posHi && !reached; ++pos)
      reached = touch(burglar, pos - 40, 70, thing, u.x, u.y);
    EXPECT_TRUE(reached) << u.name << " frame " << u.frame;
  }
}

TEST(Artgen, DrawsTheSameBytesEveryTime) {
  const fs::path built = fs::path(NK_ART_DIR), again = fs::path(testing::TempDir()) / "artgen_again";
  fs::remove_all(again);
  const std::string command =
      std::string("ASAN_OPTIONS=detect_leaks=0 '") + NK_ARTGEN + "' '" + again.string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  int files = 0;
  for (const auto& entry : fs::directory_iterator(again)) {
    EXPECT_EQ(readFile(entry.path()), readFile(built / entry.path().filename())) << entry.path().filename();
    ++files;
  }
  EXPECT_GT(files, 1);
  fs::remove_all(again);
}

}  // namespace
}  // namespace nk
