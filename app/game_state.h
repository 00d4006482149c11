#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace nk {

// One row of the high-score table; all three are Windows-1251 text.
struct THiScoreEntry {
  std::string Place;  // the rank, "1" .. "10"
  std::string Name;
  std::string Score;  // decimal text
};

// The application's state for the whole run.
struct TGameState {
  uint8_t ScreenState = 2;
  bool FullScreen = false;
  bool MusicOn = true;
  bool SoundOn = true;
  bool AppliedFullScreen = false;
  bool SavedMusicOn = true;
  bool SavedSoundOn = true;
  std::string PlayerName;
  std::string SavedPlayerName;
  std::string HiscoreName;
  std::array<THiScoreEntry, 11> HiScores;  // index 1 .. 10; 0 unused
  int32_t Score = 0;
  int32_t Lives = 0;
  int32_t Level = 1;
  std::array<bool, 256> KeyReleased{};  // by virtual-key code
  bool RightHeld = false;
  bool LeftHeld = false;
  int32_t MenuIndex = 0;
  bool FirstGame = true;
  int32_t BlinkCounter = 0;
  int32_t TickCounter = 0;
  bool NewHiScore = false;
  bool ScoreDialogDone = false;
};

}  // namespace nk
