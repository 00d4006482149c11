#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "game/hi_scores.h"
#include "game/screen_states.h"

namespace nk {

// The application's state for the whole run. Texts are Windows-1251.
struct TGameState {
  Screen ScreenState = Screen::Title;
  bool FullScreen = false;         // display mode wanted; Config.cfg line 1
  bool MusicOn = true;             // line 2
  bool SoundOn = true;             // line 3
  bool AppliedFullScreen = false;  // display mode the screen is in
  bool SavedMusicOn = true;        // as they were when the options screen was entered
  bool SavedSoundOn = true;
  std::string PlayerName;  // line 4
  std::string SavedPlayerName;
  std::string HiscoreName;                     // line 5
  THiScoreTable HiScores = DefaultHiScores();  // lines 6 .. 25
  int32_t Score = 0;
  int32_t Lives = 0;  // the main menu sets 3
  int32_t Level = 1;
  std::array<bool, 256> KeyReleased{};  // by virtual-key code; set on release, cleared by whoever acts
  bool RightHeld = false;
  bool LeftHeld = false;
  int32_t MenuIndex = 0;
  bool FirstGame = true;
  int32_t BlinkCounter = 0;
  int32_t TickCounter = 0;
  bool NewHiScore = false;
  bool ScoreDialogDone = false;
};

// Keys act on release: whether this one was released since it was last acted on. Taking it
// clears it.
inline bool TakeReleased(TGameState& state, int key) {
  return std::exchange(state.KeyReleased[static_cast<size_t>(key)], false);
}

// Forgets every release, so that none is acted on twice.
inline void ClearKeyReleased(TGameState& state) { state.KeyReleased.fill(false); }

}  // namespace nk
