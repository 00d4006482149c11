#include "platform/file_layout.h"

#include <gtest/gtest.h>

#include "platform/files.h"

namespace nk {
namespace {

LayoutFacts installedFacts() {
  LayoutFacts facts;
  facts.installedDataFolder = "/opt/nk/share/nokturo";
  facts.home = "/home/vor";
  return facts;
}

TEST(FileLayout, AGameFolderIsPlayedWhereItIs) {
  const struct {
    bool workdir, holdsData;
    LayoutKind kind;
  } cases[] = {
      {false, true, LayoutKind::Portable},
      {true, false, LayoutKind::Portable},
      {true, true, LayoutKind::Portable},
      {false, false, LayoutKind::Installed},
  };
  for (const auto& c : cases) {
    LayoutFacts facts = installedFacts();
    facts.workdirGiven = c.workdir;
    facts.workingFolderHoldsData = c.holdsData;
    const FileLayout layout = chooseFileLayout(facts, {"Config.cfg"});
    EXPECT_EQ(layout.kind, c.kind) << c.workdir << c.holdsData;
    if (c.kind == LayoutKind::Portable) {
      for (const char* name : {"Config.cfg", "Data/data.oil", "play.url"})
        EXPECT_EQ(locate(layout, name), name);
    }
  }
}

TEST(FileLayout, InstalledDataIsReadBesideTheProgramAndThePlayersFilesKeptInHisDataFolder) {
  const FileLayout layout = chooseFileLayout(installedFacts(), {"Config.cfg"});
  const struct {
    const char* name;
    const char* where;
  } cases[] = {
      {"Config.cfg", "/home/vor/.local/share/nokturo/Config.cfg"},
      {"Data/data.oil", "/opt/nk/share/nokturo/Data/data.oil"},
      {"Sounds/CLICK4.wav", "/opt/nk/share/nokturo/Sounds/CLICK4.wav"},
      {"fscommand/wgame.exe", "/opt/nk/share/nokturo/fscommand/wgame.exe"},
      {"wdata/Config.cfg", "/opt/nk/share/nokturo/wdata/Config.cfg"},  // only the top-level name is his
      {"/tmp/shot.png", "/tmp/shot.png"},
  };
  for (const auto& c : cases) EXPECT_EQ(locate(layout, c.name), c.where) << c.name;
}

TEST(FileLayout, ThePlayersFolderFollowsXdgDataHome) {
  const struct {
    const char* xdg;
    const char* home;
    const char* folder;
  } cases[] = {
      {"", "/home/vor", "/home/vor/.local/share/nokturo"},
      {"/data/vor", "/home/vor", "/data/vor/nokturo"},
      {"/data/vor/", "/home/vor", "/data/vor/nokturo"},
      {"relative/share", "/home/vor", "/home/vor/.local/share/nokturo"},  // invalid, ignored
      {"/data/vor", "", "/data/vor/nokturo"},
      {"", "", ""},  // nowhere to keep it but where the game was started
  };
  for (const auto& c : cases) {
    LayoutFacts facts = installedFacts();
    facts.xdgDataHome = c.xdg;
    facts.home = c.home;
    const FileLayout layout = chooseFileLayout(facts, {"Config.cfg"});
    EXPECT_EQ(layout.userFolder, c.folder) << c.xdg << " " << c.home;
    EXPECT_EQ(layout.dataFolder, "/opt/nk/share/nokturo");
  }
}

// The layout in use is what nativePath and every file lookup go through.
TEST(FileLayout, GameFileNamesAreLookedUpInTheLayoutInUse) {
  EXPECT_EQ(nativePath("Data\\data.oil"), "Data/data.oil");
  useFileLayout(chooseFileLayout(installedFacts(), {"Config.cfg"}));
  EXPECT_EQ(nativePath("Data\\level1.vmap"), "/opt/nk/share/nokturo/Data/level1.vmap");
  EXPECT_EQ(nativePath("Config.cfg"), "/home/vor/.local/share/nokturo/Config.cfg");
  EXPECT_EQ(systemName("Data\\level1.vmap"), "Data/level1.vmap");
  useFileLayout({});
  EXPECT_EQ(nativePath("Config.cfg"), "Config.cfg");
}

}  // namespace
}  // namespace nk
