// The real game on a damaged or incomplete game folder: it says what is wrong, where the game has
// a message for it, and still starts.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game_run.h"

namespace {

namespace fs = std::filesystem;
using nk::e2e::readJson;
using nk::e2e::runGame;

// A game folder whose Data holds the built levels and the given library file, and no Sounds.
fs::path folderWithLibrary(const std::string& name, const std::string& library) {
  fs::path dir = nk::e2e::freshDir(name);
  fs::create_directories(dir / "Data");
  for (const auto& entry : fs::directory_iterator(fs::path(NK_GAME_DIR) / "Data")) {
    if (entry.path().extension() == ".vmap")
      fs::create_symlink(entry.path(), dir / "Data" / entry.path().filename());
  }
  std::ofstream(dir / "Data" / "data.oil", std::ios::binary) << library;
  return dir;
}

TEST(FaultsE2e, ADamagedLibraryIsReportedAndTheGameStillStarts) {
  const std::string built = nk::e2e::readText(fs::path(NK_GAME_DIR) / "Data" / "data.oil");
  const struct {
    const char* what;
    std::string library;
  } cases[] = {
      {"not a library at all", "this is no library file"},
      {"cut off in the middle", built.substr(0, built.size() / 2)},
      {"a wrong byte in the signature", "X" + built.substr(1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path dir = folderWithLibrary("damaged-library", c.library);
    const auto run = runGame({"--headless", "--frames", "240", "--dump", "s.json"}, dir);
    ASSERT_EQ(run.status, 0) << run.stderrText;
    const nlohmann::json s = readJson(dir / "s.json");
    EXPECT_EQ(s["messages"],
              nlohmann::json::array({"The stream could not be loaded, either it is corrupt or encrypted!"}));
    EXPECT_EQ(s["ScreenState"], nk::Screen::Title);
    EXPECT_GT(s["framesPresented"], 200) << "the title screen goes on drawing";
  }
}

TEST(FaultsE2e, WithoutSoundsTheGameIsSilentAndPlaysOn) {
  const fs::path dir =
      folderWithLibrary("no-sounds", nk::e2e::readText(fs::path(NK_GAME_DIR) / "Data" / "data.oil"));
  // Into the menu, down and back up (two effects), then a new game through its intro into play.
  std::ofstream(dir / "script.txt") << "120 tap Enter\n300 tap Down\n330 tap Up\n360 tap Enter\n"
                                       "420 tap Enter\n1450 tap Enter\n1600 down Right\n";
  const auto run =
      runGame({"--headless", "--frames", "1800", "--script", "script.txt", "--dump", "s.json"}, dir);
  ASSERT_EQ(run.status, 0) << run.stderrText;
  const nlohmann::json s = readJson(dir / "s.json");
  EXPECT_EQ(s["messages"], nlohmann::json::array());
  EXPECT_EQ(s["ScreenState"], nk::Screen::Play);
  EXPECT_FALSE(s["sounds"].empty()) << "the effects were asked for";
}

}  // namespace
