#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/png_decode.h"
#include "engine/png_writer.h"
#include "support/bmp_file.h"
#include "tools/nk-oil/commands.h"

namespace nk {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int status;
  std::string out, err;
};

ToolRun nkOil(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = oiltool::runNkOil(args, out, err);
  return {status, out.str(), err.str()};
}

void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

const uint32_t M = 0xFFFF00FFu, B = 0xFF0000FFu, T = 0x40FF00FFu;

class NkOilTest : public testing::Test {
 protected:
  void SetUp() override {
    dir = fs::path(testing::TempDir()) /
          ("nk_oil_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir / "art");
    writeFile(dir / "art" / "guy.png", *encodePng(4, 2, {M, B, B, M, B, T, M, B}));
    writeFile(dir / "art" / "wall.bmp", test::makeBmp(6, 3, 8, std::vector<uint32_t>(18, 0xFF102030u)));
    writeFile(dir / "art" / "broken.png", "not a picture");
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string path(const char* name) const { return (dir / name).string(); }

  ToolRun pack(const std::string& manifest) {
    writeFile(dir / "images.txt", manifest);
    return nkOil({"pack", path("images.txt"), path("data.oil")});
  }

  fs::path dir;
};

TEST_F(NkOilTest, PackListAndExtract) {
  const ToolRun packed = pack(
      "# name   file          options\n"
      "guy      art/guy.png   tile=2x1 key=clFuchsia\n"
      "\n"
      "\xD1\x81\xD1\x82\xD0\xB5\xD0\xBD\xD0\xB0 art/wall.bmp key=0x302010   # a wall\n"
      "plain    art/guy.png\n");
  ASSERT_EQ(packed.status, 0) << packed.err;

  const ToolRun listed = nkOil({"list", path("data.oil")});
  EXPECT_EQ(listed.status, 0);
  EXPECT_EQ(listed.err, "");
  EXPECT_EQ(listed.out,
            "0\tguy\tTPNGObject\t4\t2\t2\t1\t4\t1\t0x00FF00FF\n"
            "1\t\xD1\x81\xD1\x82\xD0\xB5\xD0\xBD\xD0\xB0\tTBitmap\t6\t3\t6\t3\t1\t1\t0x00302010\n"
            "2\tplain\tTPNGObject\t4\t2\t4\t2\t1\t0\t0x00000000\n");

  const std::pair<const char*, std::vector<uint32_t>> extracted[] = {
      {"guy", {0, B, B, 0, B, T, 0, B}},  // the key takes opaque magenta only
      {"plain", {M, B, B, M, B, T, M, B}},
      {"\xD1\x81\xD1\x82\xD0\xB5\xD0\xBD\xD0\xB0", std::vector<uint32_t>(18, 0)},
  };
  for (const auto& [name, pixels] : extracted) {
    const ToolRun run = nkOil({"extract", path("data.oil"), name, path("out.png")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::optional<ArgbImage> image = decodePng(readFile(dir / "out.png"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, pixels) << name;
  }
}

TEST_F(NkOilTest, ListShowsWhatWasReadBeforeAFailure) {
  ASSERT_EQ(pack("a art/guy.png\nb art/wall.bmp\n").status, 0);
  const std::string file = readFile(dir / "data.oil");
  writeFile(dir / "data.oil", file.substr(0, file.size() - 2));
  const ToolRun listed = nkOil({"list", path("data.oil")});
  EXPECT_EQ(listed.status, 1);
  EXPECT_EQ(listed.out,
            "0\ta\tTPNGObject\t4\t2\t4\t2\t1\t0\t0x00000000\n"
            "1\tb\tTBitmap\t6\t3\t6\t3\t1\t0\t0x00000000\n");
  EXPECT_EQ(listed.err, "The stream could not be loaded, either it is corrupt or encrypted!\n");

  const ToolRun extracted = nkOil({"extract", path("data.oil"), "a", path("out.png")});
  EXPECT_EQ(extracted.status, 1);
  EXPECT_EQ(extracted.err, listed.err);
}

TEST_F(NkOilTest, Failures) {
  ASSERT_EQ(pack("a art/guy.png\n").status, 0);
  const std::string fileError = "Cannot be loaded - file error or file crypted!\n";
  const std::tuple<const char*, std::vector<std::string>, int, std::string> cases[] = {
      {"no command", {}, 2, ""},
      {"unknown command", {"dump", path("data.oil")}, 2, ""},
      {"missing argument", {"extract", path("data.oil"), "a"}, 2, ""},
      {"list of a missing file", {"list", path("none.oil")}, 1, fileError},
      {"extract from a missing file", {"extract", path("none.oil"), "a", path("out.png")}, 1, fileError},
      {"extract of a missing item", {"extract", path("data.oil"), "A", path("out.png")}, 1, ""},
      {"pack of a missing manifest", {"pack", path("none.txt"), path("x.oil")}, 1, ""},
  };
  for (const auto& [what, args, status, err] : cases) {
    const ToolRun run = nkOil(args);
    EXPECT_EQ(run.status, status) << what;
    EXPECT_FALSE(run.err.empty()) << what;
    if (!err.empty()) {
      EXPECT_EQ(run.err, err) << what;
    }
  }
}

TEST_F(NkOilTest, ManifestMistakesNameTheirLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"a art/guy.png\nb\n", "line 2: "},
      {"a art/guy.png size=3\n", "line 1: unknown option size=3"},
      {"a art/guy.png tile=3\n", "line 1: tile"},
      {"a art/guy.png tile=0x2\n", "line 1: tile"},
      {"a art/guy.png key=clTransparent\n", "line 1: unknown colour name clTransparent"},
      {"a art/guy.png key=0xGG\n", "line 1: key"},
      {"a art/guy.png key=0x1FFFFFFF\n", "line 1: key"},
      {"# pictures\na art/guy.png\na art/wall.bmp\n", "line 3: a picture named a is already listed"},
      {"a art/none.png\n", "line 1: cannot read"},
      {"a art/broken.png\n", "line 1: cannot read"},
      {"a art/guy.txt\n", "line 1: cannot read"},
  };
  for (const auto& [manifest, message] : cases) {
    const ToolRun run = pack(manifest);
    EXPECT_EQ(run.status, 1) << manifest;
    EXPECT_NE(run.err.find(message), std::string::npos) << manifest << " gave " << run.err;
  }
}

}  // namespace
}  // namespace nk
