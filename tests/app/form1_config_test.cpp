#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/config_file.h"
#include "app/form1.h"
#include "app/form_view.h"
#include "codec/text_codec.h"
#include "engine/nk_bitmap_font.h"
#include "game_folder.h"
#include "platform/clock.h"
#include "support/form_probe.h"
#include "support/test_host.h"

namespace nk {
namespace {

using RecordingHost = test::TestHost;

FormOptions optionsWith(std::optional<bool> fullScreen = std::nullopt) {
  FormOptions o;
  o.seed = 1;
  o.fullScreen = fullScreen;
  return o;
}

// Runs each test in a fresh working folder, as the game runs in its own.
class Form1Config : public ::testing::Test {
 protected:
  void writeConfig(const std::vector<std::string>& texts) {
    std::string out;
    for (const auto& t : texts) out += encodeConfigLine(t) + "\r\n";
    dir.write("Config.cfg", out);
  }

  test::GameFolder folder;
  test::TempDir& dir = folder.dir;
  RecordingHost host;
};

TEST_F(Form1Config, DisplayModeFromConfigAndCommandLine) {
  const struct {
    const char* what;
    std::vector<std::string> config;  // no file when empty
    std::optional<bool> commandLine;
    bool fullScreen;
  } cases[] = {
      {"no file", {}, std::nullopt, false},
      {"line 1 false", {"false"}, std::nullopt, false},
      {"line 1 true", {"true"}, std::nullopt, true},
      {"line 1 empty", {""}, std::nullopt, true},
      {"--windowed wins", {"true"}, false, false},
      {"--fullscreen wins", {"false"}, true, true},
      {"--fullscreen without a file", {}, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove("Config.cfg");
    if (!c.config.empty()) writeConfig(c.config);
    RecordingHost h;
    TForm1 form(h, optionsWith(c.commandLine));
    form.FormCreate();
    EXPECT_EQ(form.view().GameState.FullScreen, c.fullScreen);
    EXPECT_EQ(form.view().GameState.AppliedFullScreen, c.fullScreen);
    EXPECT_EQ(h.displayModes, c.fullScreen ? std::vector<bool>{true} : std::vector<bool>{});
  }
}

TEST_F(Form1Config, StartUpMakesTheFontsAndActivationBringsTheGameFaceBack) {
  TForm1 form(host, optionsWith());
  form.FormCreate();
  EXPECT_EQ(form.view().NkFont1.FaceName(), "verdana");
  EXPECT_EQ(form.view().NkFont1.Size(), 10);
  EXPECT_EQ(form.view().NkFont1.Color(), 0xFFFFFFFFu);
  EXPECT_EQ(form.view().NkBitmapFont1.FontName(), "DS Zombie Cyr");
  EXPECT_EQ(form.view().NkBitmapFont1.Color(), 0xFFFFFFFFu);
  EXPECT_EQ(form.view().NkBitmapFont1.Characters(), TNkBitmapFont::DefaultCharacters());
  auto drawsOf = [&](const std::string& text) {
    host.recording().draws.clear();
    FormProbe(form).NkScreen1.BeginScene();
    FormProbe(form).NkBitmapFont1.TextOutColor(0, 0, 0, 1, 1, 0xFFFFFFFF, text, 0);
    FormProbe(form).NkScreen1.EndScene();
    return host.recording().draws.size();
  };
  EXPECT_EQ(drawsOf("123"), 3u);
  // A reset leaves the font on the library's first picture, which this empty library lacks.
  ASSERT_TRUE(FormProbe(form).NkScreen1.ResetDevice());
  EXPECT_EQ(drawsOf("123"), 0u);
  form.FormActivate();
  EXPECT_EQ(drawsOf("123"), 3u);
}

TEST_F(Form1Config, StartUpReadsTheStoredValues) {
  writeConfig({"false", "false", "true", "Bob%%", "\xC2\xEE\xF0%%", "Eve%%", "9999%"});
  TForm1 form(host, optionsWith());
  form.FormCreate();
  EXPECT_FALSE(form.view().GameState.MusicOn);
  EXPECT_TRUE(form.view().GameState.SoundOn);
  EXPECT_TRUE(form.view().GameState.SavedMusicOn) << "taken before the file is read";
  EXPECT_EQ(form.view().GameState.PlayerName, "Bob");
  EXPECT_EQ(form.view().GameState.HiscoreName, "\xC2\xEE\xF0");
  EXPECT_EQ(form.view().GameState.HiScores[1].Name, "Eve");
  EXPECT_EQ(form.view().GameState.HiScores[1].Score, "9999");
  EXPECT_EQ(form.view().GameState.HiScores[2].Score, "8100");
  EXPECT_TRUE(host.journal().messages.empty());
}

TEST_F(Form1Config, UnreadableConfigStartsWithDefaultsAndSaysSo) {
  std::filesystem::create_directory("Config.cfg");
  TForm1 form(host, optionsWith());
  form.FormCreate();
  ASSERT_EQ(host.journal().messages.size(), 1u);
  EXPECT_EQ(host.journal().messages[0], "Cannot read Config.cfg; the default settings are used.");
  EXPECT_FALSE(form.view().GameState.FullScreen);
  EXPECT_TRUE(form.view().GameState.MusicOn);
  EXPECT_EQ(form.view().GameState.HiScores[1].Score, "9100");
}

TEST_F(Form1Config, CloseSavesWhatTheGameHolds) {
  TForm1 form(host, optionsWith());
  form.FormCreate();
  FormProbe(form).GameState.PlayerName = "Bob";
  FormProbe(form).GameState.HiScores[3].Score = "7777";
  form.FormClose();
  EXPECT_EQ(dir.read("Config.cfg"), WriteConfig(form.view().GameState));
  EXPECT_TRUE(host.journal().messages.empty());
}

TEST_F(Form1Config, FailedSaveIsReportedAndTheCloseGoesOn) {
  std::filesystem::create_directory("Config.cfg");
  TForm1 form(host, optionsWith());
  form.FormCreate();
  form.FormClose();
  ASSERT_EQ(host.journal().messages.size(), 2u);
  EXPECT_EQ(host.journal().messages[1].rfind("Cannot write Config.cfg", 0), 0u) << host.journal().messages[1];
  EXPECT_TRUE(std::filesystem::is_directory("Config.cfg"));
}

TEST_F(Form1Config, DestroyStartsTheFollowUpsThatExist) {
  using Launches = std::vector<std::pair<std::string, std::string>>;
  const struct {
    const char* what;
    std::vector<std::string> files;
    Launches expected;
  } cases[] = {
      {"none", {}, {}},
      {"both",
       {"play.url", "fscommand/wgame.exe"},
       {{"play.url", ""}, {"fscommand\\wgame.exe", "target=\"_blank\""}}},
      {"only the program", {"fscommand/wgame.exe"}, {{"fscommand\\wgame.exe", "target=\"_blank\""}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all("fscommand");
    std::filesystem::remove("play.url");
    for (const auto& f : c.files) dir.write(f, "x");
    RecordingHost h;
    TForm1 form(h, optionsWith());
    form.FormCreate();
    form.FormDestroy();
    EXPECT_EQ(h.launches, c.expected);
  }
}

TEST_F(Form1Config, FolderNamedLikeAFollowUpIsNotStarted) {
  std::filesystem::create_directories("play.url");
  std::filesystem::create_directories("fscommand/wgame.exe");
  TForm1 form(host, optionsWith());
  form.FormCreate();
  form.FormDestroy();
  EXPECT_TRUE(host.launches.empty());
}

}  // namespace
}  // namespace nk
