#pragma once
// The screen states: every screen, dialog and phase of play. The numbers are fixed: the
// snapshot shows them, and the menu cursor and several handlers tell screens apart by them.
// 1, 4 and 10 are never used.
#include <cstdint>

namespace nk {

enum class Screen : uint8_t {
  QuitDialog = 0,      // "exit the game?" over the level, Yes gives the game up
  Title = 2,           // the first picture; any key opens the main menu
  MainMenu = 3,        // six buttons; entering it prepares a new game
  Help = 5,            // three pages with Back, Next and Prev
  Options = 6,         // full screen, music and sound switches, the player's name
  HiScores = 7,        // the table of ten
  ClearTable = 8,      // "clear the table?" over the table
  ExitConfirm = 9,     // "exit the game?" from the main menu
  LevelIntro = 11,     // the street at night and the lit window of the next house
  Play = 12,           // the level; the burglar's actions run inside it
  LevelComplete = 13,  // the time bonus counted into the score
  Shot = 14,           // shot by the guard
  ScoreDialog = 15,    // the player's name, then whether to send the score
  Pause = 16,          // the level dimmed under "pause"
  TimeUp = 17,         // the level clock ran out
  QuickHelp = 18,      // the help sheet over the first house of a game
  Laser = 19,          // caught by the laser
  ExitScreen = 20,     // the promotion screen on the way out
};

}  // namespace nk
