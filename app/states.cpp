// Entering and leaving the screen states, and what the screens share.
#include <algorithm>
#include <exception>

#include "app/form1.h"
#include "engine/image_list_item.h"
#include "game/player.h"
#include "game/world_objects.h"
#include "platform/files.h"

namespace nk {

void TForm1::EnterState(Screen state) {
  switch (state) {
    case Screen::QuitDialog: enterQuitDialog(); break;
    case Screen::MainMenu: enterMainMenu(); break;
    case Screen::Help: enterHelp(); break;
    case Screen::Options: enterOptions(); break;
    case Screen::HiScores: enterHiScores(); break;
    case Screen::ClearTable: enterClearTable(); break;
    case Screen::ExitConfirm: enterExitConfirm(); break;
    case Screen::LevelIntro: enterLevelIntro(); break;
    case Screen::Play: StartLevel(); break;
    case Screen::LevelComplete: enterLevelComplete(); break;
    case Screen::Shot: enterShot(); break;
    case Screen::TimeUp: enterTimeUp(); break;
    case Screen::ScoreDialog: enterScoreDialog(); break;
    case Screen::Pause: enterPause(); break;
    case Screen::QuickHelp: enterQuickHelp(); break;
    case Screen::ExitScreen: enterExitScreen(); break;
    case Screen::Laser:
      GameState.ScreenState = Screen::Laser;
      Timer1->SetEnabled(false);
      Play.stateCounter = 0;
      break;
    default: break;  // the other screens arrive with the menus and play sequences
  }
}

void TForm1::LeaveState(Screen state) {
  switch (state) {
    case Screen::QuitDialog: leaveQuitDialog(); break;
    case Screen::MainMenu:
      freeMenuList();
      freeFirstSprite(1);
      break;
    case Screen::Help:
    case Screen::HiScores:
    case Screen::ExitConfirm:
      freeMenuList();
      freeFirstSprite(2);
      break;
    case Screen::Options: leaveOptions(); break;
    case Screen::ClearTable:
      freeFirstSprite(4);
      freeMenuList();
      break;
    case Screen::ScoreDialog: leaveScoreDialog(); break;
    case Screen::Pause:
      clearKeyReleased();
      killByName("pause");
      break;
    case Screen::LevelIntro: leaveLevelIntro(); break;
    case Screen::Play:
      clearKeyReleased();
      levelBuilder.TearDown();
      break;
    case Screen::LevelComplete: leaveLevelComplete(); break;
    case Screen::Shot:
      killByName("heart");
      Play.heart = nullptr;
      break;
    case Screen::TimeUp: killByName("timesup"); break;
    case Screen::QuickHelp:
      killByName("scr_fasthelp");
      clearKeyReleased();
      break;
    default: break;
  }
}

void TForm1::killByName(const std::string& name) {
  for (int i = 0; i < NkSprite1->Count(); ++i) {
    if (TSprite* s = NkSprite1->Items(i); s->Name == name) s->Dead();
  }
  NkSprite1->Dead();
}

void TForm1::freeFirstSprite(int times) {
  for (int i = 0; i < times; ++i) {
    TSprite* first = NkSprite1->Items(0);
    if (first == KeyCursor) KeyCursor = nullptr;
    delete first;
  }
}

void TForm1::newKeyCursor() {
  KeyCursor = new TKeyCurs(world, GameState);
  KeyCursor->OnHighlight = [this](int selected) { highlightYesNo(selected); };
}

void TForm1::enterMainMenu() {
  GameState.FirstGame = true;
  GameState.ScreenState = Screen::MainMenu;
  newKeyCursor();
  NkSprite1->Move(0.00001f);
  clearKeyReleased();
  buildMainMenuButtons();
  GameState.Level = 1;
  Play.stateCounter = 0;
  GameState.Score = 0;
  GameState.Lives = 3;
}

void TForm1::startGame() {
  LeaveState(Screen::MainMenu);
  Sounds.PlayEffect("check");
  if (GameState.MusicOn) {
    Sounds.StopTune("menumusic");
    Sounds.StartTune("gamemusic");
  }
  NkTimer1->SetEnabled(false);
  GameTimer->SetEnabled(true);
  EnterState(Screen::LevelIntro);
}

void TForm1::beginFrame() {
  NkScreen1->Clear(0, 0, 0, 0);
  NkScreen1->BeginScene();
  NkImageList1->BeginDrawHook();
}

void TForm1::endFrame() {
  NkImageList1->EndDrawHook();
  NkScreen1->EndScene();
}

void TForm1::drawBackground(const char* image, int pattern) {
  if (TImageListItem* item = NkImageList1->ImageList().Find(image)) {
    item->DrawEx(0, 0, 0, 0, 0, 1, 1, 255, 255, 255, 255, false, pattern, 0);
  }
}

void TForm1::StartLevel() {
  const LevelConstants* constants = findLevelConstants(GameState.Level);
  if (constants == nullptr) return;
  GameState.ScreenState = Screen::Play;
  Play.timeMinutes = constants->timeMinutes;
  Play.timeSeconds = constants->timeSeconds;
  LevelFile file;
  try {
    file = readLevelFile(nativePath(constants->file));
  } catch (const std::exception& e) {
    // A damaged house is no place to play: say which file and go back to the menu.
    host.showMessage(e.what(), "Nokturo");
    GameTimer->SetEnabled(false);
    NkTimer1->SetEnabled(true);
    EnterState(Screen::MainMenu);
    return;
  }
  world.level = GameState.Level;
  levelBuilder.Build(file, *constants);
  beginFrame();
  menuFont->SetFont("DS Zombie Cyr", 26);
  menuFont->SetColor(255, 255, 255);
  NkFader1->SetStartColor(0, 0, 0, 0);
  NkFader1->SetEndColor(0, 0, 0, 0);
  NkFader1->Stop();
  Play.actions = {};
  Play.SafeTaken = false;
  clearKeyReleased();
  Play.player = new TPlayer(world, constants->startColumn, constants->startRow);
  Play.player->OnCaughtByLaser = [this] { EnterState(Screen::Laser); };
  Play.thinkShown = false;
  new TPanel(world, 650, 0);
  for (int k = 0; k < 4; ++k)
    Play.playerKeys[static_cast<size_t>(k)] = new TPlayerKeys(world, 664 + 32 * k, 390, k);
  endFrame();
  if (GameState.Level == 1 && GameState.FirstGame) {
    GameState.FirstGame = false;
    EnterState(Screen::QuickHelp);
  } else {
    Timer1->SetEnabled(true);
  }
}

void TForm1::enterQuickHelp() {
  GameState.ScreenState = Screen::QuickHelp;
  auto* sheet = new TExitMenu(world, "scr_fasthelp", "scr_fasthelp", 5000, 195, 110);
  sheet->SetAlpha(0);
  Play.stateCounter = 0;
  helpWaiting = helpClosing = false;
}

void TForm1::enterLevelIntro() {
  static constexpr int kPlaces[6][4] = {{33, 207, 80, 375},   {198, 132, 243, 374}, {308, 259, 339, 374},
                                        {419, 121, 427, 374}, {535, 241, 571, 374}, {659, 135, 680, 374}};
  GameState.TickCounter = GameState.Level == 1 ? 1 : 0;
  GameState.ScreenState = Screen::LevelIntro;
  introStarted = 0;
  world.level = GameState.Level;
  const int* p = kPlaces[std::clamp(GameState.Level, 1, 6) - 1];
  new THouseWindow(world, p[0], p[1]);
  new TVorUDoma(world, p[2], p[3]);
  menuFont->SetFont("DS Zombie Cyr", 20);
  menuFont->SetColor(251, 11, 209);
  clearKeyReleased();
}

void TForm1::leaveLevelIntro() {
  delete NkSprite1->Items(1);
  delete NkSprite1->Items(0);
}

}  // namespace nk
