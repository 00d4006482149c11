#include "app/config_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "codec/text_codec.h"
#include "temp_dir.h"

namespace nk {
namespace {

using namespace std::string_literals;

// A Config.cfg text whose lines decode to the given texts.
std::string configOf(const std::vector<std::string>& texts) {
  std::string out;
  for (const auto& t : texts) out += encodeConfigLine(t) + "\r\n";
  return out;
}

// The 25 stored values must match.
void expectStoredEqual(const TGameState& read, const TGameState& written) {
  EXPECT_EQ(read.FullScreen, written.FullScreen);
  EXPECT_EQ(read.MusicOn, written.MusicOn);
  EXPECT_EQ(read.SoundOn, written.SoundOn);
  EXPECT_EQ(read.PlayerName, written.PlayerName);
  EXPECT_EQ(read.HiscoreName, written.HiscoreName);
  for (size_t i = 1; i <= 10; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(read.HiScores[i].Name, written.HiScores[i].Name);
    EXPECT_EQ(read.HiScores[i].Score, written.HiScores[i].Score);
    EXPECT_EQ(read.HiScores[i].Place, std::to_string(i));
  }
}

void expectDefaultTable(const TGameState& s) {
  const THiScoreTable defaults = DefaultHiScores();
  for (size_t i = 1; i <= 10; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(s.HiScores[i].Name, defaults[i].Name);
    EXPECT_EQ(s.HiScores[i].Score, defaults[i].Score);
  }
}

TGameState sampleState(bool fullScreen, bool music, bool sound) {
  TGameState s;
  s.FullScreen = fullScreen;
  s.MusicOn = music;
  s.SoundOn = sound;
  s.PlayerName = "\xC2\xEE\xF0";  // "Вор"
  s.HiscoreName = "Alice";
  // Names of 1 to 10 characters, Cyrillic among them, and scores of every length.
  const char* const names[] = {"A",
                               "Bo",
                               "Cat",
                               "Dora",
                               "Egor_",
                               "Fedor1",
                               "\xC3\xF0\xE8\xF8\xE0 \xCF",  // "Гриша П"
                               "Hansel12",
                               "\xDF\xE1\xEB\xEE\xEA\xEE 12",  // "Яблоко 12"
                               "1234567890"};
  const char* const scores[] = {"123456789", "12345", "1234", "999",        "10",
                                "7",         "0",     "-1",   "2147483647", "100"};
  for (size_t i = 1; i <= 10; ++i) {
    s.HiScores[i].Name = names[i - 1];
    s.HiScores[i].Score = scores[i - 1];
  }
  return s;
}

TEST(ConfigFile, WrittenTableReadsBackExactly) {
  const TGameState states[] = {sampleState(false, false, false), sampleState(true, true, true),
                               sampleState(false, true, false), sampleState(true, false, true)};
  for (const TGameState& written : states) {
    TGameState read;
    ReadConfig(WriteConfig(written), read);
    expectStoredEqual(read, written);
  }
}

TEST(ConfigFile, EmptyNamesReadBackEmpty) {
  TGameState written;
  written.PlayerName.clear();
  written.HiscoreName.clear();
  TGameState read;
  read.PlayerName = read.HiscoreName = "stale";
  ReadConfig(WriteConfig(written), read);
  EXPECT_EQ(read.PlayerName, "");
  EXPECT_EQ(read.HiscoreName, "");
}

TEST(ConfigFile, WrittenLayout) {
  TGameState s;  // windowed, music and sound on, empty names, default table
  const std::string text = WriteConfig(s);
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find("\r\n", start);
    ASSERT_NE(end, std::string::npos) << "every line ends in CR LF";
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[0], "N3SY265F");
  EXPECT_EQ(lines[1], "B4HE7MF");
  EXPECT_EQ(lines[2], "B4HE7MF");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(decodeConfigLine(lines[5]), "Anonymous%");
  EXPECT_EQ(decodeConfigLine(lines[6]), "9100%");
  EXPECT_EQ(decodeConfigLine(lines[24]), "100%%");
  for (const auto& line : lines)
    EXPECT_EQ(line.find_first_not_of(kLetterAlphabet), std::string::npos) << line;
}

TEST(ConfigFile, TrailingPercentOfANameIsLost) {
  const struct {
    std::string name, readBack;
  } cases[] = {
      {"abc%", "abc"}, {"50%%%", "50"}, {"%%%%%", ""}, {"a%b", "a%b"}, {"%a", "%a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TGameState written;
    written.PlayerName = written.HiscoreName = c.name;
    TGameState read;
    ReadConfig(WriteConfig(written), read);
    EXPECT_EQ(read.PlayerName, c.readBack);
    EXPECT_EQ(read.HiscoreName, c.readBack);
  }
}

TEST(ConfigFile, ReadingRules) {
  const std::string windowed = configOf({"false", "false", "false"});
  struct Expected {
    bool fullScreen, music, sound;
    std::string playerName;
  };
  const struct {
    const char* what;
    std::string text;
    Expected expected;
  } cases[] = {
      {"empty file", "", {true, true, true, ""}},
      {"only line ends", "\r\n\r\n\r\n", {true, true, true, ""}},
      {"all switches off", windowed, {false, false, false, ""}},
      {"LF line ends", "N3SY265F\nN3SY265F\n", {false, false, true, ""}},
      {"no final line end", "N3SY265F", {false, true, true, ""}},
      {"switch \"true\"", configOf({"true", "true", "true"}), {true, true, true, ""}},
      {"switch padded to \"false\"", configOf({"false%", "False", "false "}), {true, true, true, ""}},
      {"lower-case letters", "n3sy265f\r\nn3sy265f\r\n", {true, true, true, ""}},
      {"garbage", "hello, world!\r\n\xFF\xFE\0\x01\r\nZZZ\r\n"s, {true, true, true, ""}},
      {"a name only", configOf({"false", "", "", "Bob%%"}), {false, true, true, "Bob"}},
      {"an overlong name",
       configOf({"false", "", "", std::string(5000, 'x')}),
       {false, true, true, std::string(5000, 'x')}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TGameState s;
    ReadConfig(c.text, s);
    EXPECT_EQ(s.FullScreen, c.expected.fullScreen);
    EXPECT_EQ(s.MusicOn, c.expected.music);
    EXPECT_EQ(s.SoundOn, c.expected.sound);
    EXPECT_EQ(s.PlayerName, c.expected.playerName);
    EXPECT_EQ(s.HiscoreName, "");
    expectDefaultTable(s);
  }
}

TEST(ConfigFile, EmptyTableLinesKeepTheDefaults) {
  std::vector<std::string> texts(25);
  texts[0] = "false";
  texts[5] = "Bob%%";   // row 1 name
  texts[8] = "5000%";   // row 2 score
  texts[24] = "%%%%%";  // row 10 score: not empty, so it is assigned after the stripping
  TGameState s;
  ReadConfig(configOf(texts), s);
  EXPECT_EQ(s.HiScores[1].Name, "Bob");
  EXPECT_EQ(s.HiScores[1].Score, "9100");
  EXPECT_EQ(s.HiScores[2].Name, "Anonymous");
  EXPECT_EQ(s.HiScores[2].Score, "5000");
  EXPECT_EQ(s.HiScores[10].Score, "");
  EXPECT_EQ(s.HiScores[5].Name, "Anonymous");
}

TEST(ConfigFile, LinesAfterTheTwentyFifthAreIgnored) {
  std::vector<std::string> texts(26, "false");
  texts.back() = "true";
  TGameState s;
  ReadConfig(configOf(texts), s);
  EXPECT_FALSE(s.FullScreen);
  EXPECT_EQ(s.HiScores[10].Score, "false");
}

TEST(ConfigFile, DamagedScoresAreKeptAsText) {
  const struct {
    const char* what;
    std::string line7;  // row 1's score as it stands in the file
    std::string score;
  } cases[] = {
      {"letters in the number", encodeConfigLine("12ab%"), "12ab"},
      {"one letter: 5 digits make one byte", "B", "\x01"},
      {"a byte 0 in front", encodeConfigLine("100"), "\0"s + "100"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TGameState s;
    ReadConfig(configOf(std::vector<std::string>(6)) + c.line7 + "\r\n", s);
    EXPECT_EQ(s.HiScores[1].Score, c.score);
    EXPECT_EQ(HiScoreValue(s.HiScores[1].Score), 0);
  }
}

class ConfigFileOnDisk : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string path = dir.file("Config.cfg");
};

TEST_F(ConfigFileOnDisk, MissingFileLeavesTheState) {
  TGameState s;
  s.PlayerName = "kept";
  EXPECT_EQ(LoadConfigFile(path, s), ConfigLoad::Missing);
  EXPECT_EQ(s.PlayerName, "kept");
  EXPECT_FALSE(s.FullScreen);
}

TEST_F(ConfigFileOnDisk, FolderOfThatNameIsUnreadable) {
  std::filesystem::create_directory(path);
  TGameState s;
  s.PlayerName = "kept";
  EXPECT_EQ(LoadConfigFile(path, s), ConfigLoad::Unreadable);
  EXPECT_EQ(s.PlayerName, "kept");
  EXPECT_FALSE(s.FullScreen);
}

TEST_F(ConfigFileOnDisk, FileWithoutPermissionIsUnreadable) {
  dir.write("Config.cfg", configOf({"true", "false", "false", "Bob%%"}));
  std::filesystem::permissions(path, std::filesystem::perms::none);
  if (std::ifstream(path)) GTEST_SKIP() << "this user reads files without permission";
  TGameState s;
  EXPECT_EQ(LoadConfigFile(path, s), ConfigLoad::Unreadable);
  EXPECT_EQ(s.PlayerName, "");
}

// A damaged file is read only as far as a valid one could reach; what lies past counts as missing.
TEST_F(ConfigFileOnDisk, AnOversizedFileIsReadOnlyAsFarAsAValidOneReaches) {
  const std::string endless(40 << 20, 'A');
  const TGameState sample = sampleState(false, false, true);
  const struct {
    const char* what;
    std::string contents;
    std::function<void(const TGameState&)> expect;
  } cases[] = {
      {"one endless line", endless,
       [](const TGameState& s) {
         EXPECT_TRUE(s.FullScreen);  // line 1 is not "false"
         EXPECT_TRUE(s.MusicOn && s.SoundOn);
         EXPECT_EQ(s.PlayerName, "");
         expectDefaultTable(s);
       }},
      {"a whole file with an endless tail", WriteConfig(sample) + endless,
       [&](const TGameState& s) { expectStoredEqual(s, sample); }},
      {"an endless name",
       configOf({"false", "false", "false"}) + encodeConfigLine("Bob%%") + endless + "\r\n" +
           configOf({"Alice"}),
       [](const TGameState& s) {
         EXPECT_FALSE(s.FullScreen || s.MusicOn || s.SoundOn);
         EXPECT_TRUE(s.PlayerName.starts_with("Bob"));
         EXPECT_LE(s.PlayerName.size(), 1024u);
         EXPECT_EQ(s.HiscoreName, "");  // past the file's bound
         expectDefaultTable(s);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    dir.write("Config.cfg", c.contents);
    TGameState s;
    ASSERT_EQ(LoadConfigFile(path, s), ConfigLoad::Loaded);
    c.expect(s);
  }
}

TEST_F(ConfigFileOnDisk, SavedFileLoadsBackAndReplacesTheOldOne) {
  dir.write("Config.cfg",
            "old contents that are longer than the new ones will be, " + std::string(4000, 'A'));
  const TGameState written = sampleState(true, false, true);
  SaveConfigFile(path, written);
  EXPECT_EQ(dir.read("Config.cfg"), WriteConfig(written));
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  TGameState read;
  EXPECT_EQ(LoadConfigFile(path, read), ConfigLoad::Loaded);
  expectStoredEqual(read, written);
}

TEST_F(ConfigFileOnDisk, FailedSaveThrowsAndLeavesNothingBehind) {
  std::filesystem::create_directory(path);
  dir.write("Config.cfg/inside", "x");
  EXPECT_THROW(SaveConfigFile(path, TGameState{}), std::runtime_error);
  EXPECT_EQ(dir.read("Config.cfg/inside"), "x");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  dir.write("a file", "x");
  EXPECT_THROW(SaveConfigFile(dir.file("a file/nokturo/Config.cfg"), TGameState{}), std::runtime_error);
  EXPECT_EQ(dir.read("a file"), "x");
}

// An installed game keeps the file in the player's own data folder, made on the first save and
// open to him only.
TEST_F(ConfigFileOnDisk, FirstSaveMakesThePlayersFolder) {
  const std::string nested = dir.file("home/.local/share/nokturo/Config.cfg");
  SaveConfigFile(nested, sampleState(false, true, true));
  TGameState read;
  EXPECT_EQ(LoadConfigFile(nested, read), ConfigLoad::Loaded);
  expectStoredEqual(read, sampleState(false, true, true));
  for (const char* folder : {"home", "home/.local", "home/.local/share", "home/.local/share/nokturo"}) {
    EXPECT_EQ(std::filesystem::status(dir.path() / folder).permissions(), std::filesystem::perms::owner_all)
        << folder;
  }
}

// While it lives, no file of this process may grow past a few bytes: a disk that is full for
// every user, root included. Writing past it fails (EFBIG) instead of raising SIGXFSZ.
class FullDisk {
 public:
  FullDisk() {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = saved_;
    full.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &full);
  }
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

TEST_F(ConfigFileOnDisk, AFullDiskKeepsTheStoredFileWhole) {
  const std::string stored = WriteConfig(sampleState(true, true, false));
  dir.write("Config.cfg", stored);
  {
    const FullDisk full;
    EXPECT_THROW(SaveConfigFile(path, TGameState{}), std::runtime_error);
  }
  EXPECT_EQ(dir.read("Config.cfg"), stored);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(ConfigFileOnDisk, AReadOnlyFolderKeepsTheStoredFileWhole) {
  namespace fs = std::filesystem;
  const std::string stored = WriteConfig(sampleState(true, true, false));
  dir.write("Config.cfg", stored);
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  const bool writable = static_cast<bool>(std::ofstream(dir.file("probe")));
  if (!writable) {
    EXPECT_THROW(SaveConfigFile(path, TGameState{}), std::runtime_error);
  }
  fs::permissions(dir.path(), fs::perms::owner_all);
  if (writable) GTEST_SKIP() << "this user writes into read-only folders";
  EXPECT_EQ(dir.read("Config.cfg"), stored);
  EXPECT_FALSE(fs::exists(path + ".tmp"));
}

}  // namespace
}  // namespace nk
