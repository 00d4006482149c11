// The game frame timer: the level intro, play and the quick help; and the level clock.
#include <algorithm>
#include <optional>
#include <string>

#include "app/form1.h"
#include "codec/cp1251.h"
#include "engine/image_list_item.h"
#include "game/play_commands.h"
#include "game/player.h"
#include "game/walking.h"
#include "game/world_objects.h"
#include "platform/keys.h"

namespace nk {

void TForm1::GameTimerTimer(TNkTimer&) {
  if (GameState.MusicOn) NkMusic1->ServiceLoops();
  switch (GameState.ScreenState) {
    case 0: tickQuitDialog(); break;
    case 11: tickLevelIntro(); break;
    case 12: tickPlay(); break;
    case 13: tickLevelComplete(); break;
    case 14: tickShot(); break;
    case 17: tickTimeUp(); break;
    case 15: tickScoreDialog(); break;
    case 16: tickPause(); break;
    case 18: tickQuickHelp(); break;
    case 19: tickLaser(); break;
    default: break;
  }
}

void TForm1::tickLevelIntro() {
  int32_t& n = GameState.TickCounter;
  if (GameState.KeyReleased[vk::Return] && introStarted == 0) {
    GameState.KeyReleased[vk::Return] = false;
    introStarted = -1;
    n = 479;
  }
  TSprite* burglar = NkSprite1->Items(0);
  TSprite* window = NkSprite1->Items(1);
  if (introStarted == 0) {
    if (n % 50 == 0) {
      burglar->SetPatternIndex(burglar->PatternIndex + 1 >= 14 ? 0 : burglar->PatternIndex + 1);
      n = 0;
    }
    ++n;
  }
  beginFrame();
  if (introStarted != 0) {
    if (n == 480) {
      burglar->SetImage(NkImageList1->ImageList().Find("vor_stoit"));
      burglar->SetPatternIndex(0);
    }
    if (n > 480 && n < 736) burglar->SetAlpha(burglar->Alpha - 1);
    if (n == 736) window->SetAlpha(255);
  }
  NkSprite1->Move(1.0f);
  drawBackground("scr_choose", 0);
  NkSprite1->Draw();
  if (introStarted != 0 && n == 900) {
    menuFont->SetFont("DS Zombie Cyr", 50);
    menuFont->SetColor(251, 11, 209);
  }
  if (introStarted != 0 && n > 900) {
    TextOutCentred(*menuFont, 400, 260, utf8ToCp1251("Уровень ") + std::to_string(GameState.Level));
  }
  if (introStarted == 0) {
    TextOutCentred(*menuFont, 400, 560, utf8ToCp1251("Нажмите \"Enter\" для продолжения"));
  }
  endFrame();
  if (introStarted != 0 && n == 1300) {
    LeaveState(11);
    EnterState(12);
    return;
  }
  ++n;
}

void TForm1::tickPlay() {
  TPlayer& player = *Play.player;
  player.AnimActive = false;
  NkSprite1->Collision();
  // Caught by the laser: the rest of the tick belongs to that sequence.
  if (GameState.ScreenState != 12) return;
  beginFrame();
  const PlayCommand command = TakePlayCommand(GameState.KeyReleased, GameState.RightHeld, GameState.LeftHeld);
  // Whatever he is told to do next, the thought about the missing key goes.
  if (command != PlayCommand::None && command != PlayCommand::Stand) RemoveThinkBubble(Play, *NkSprite1);
  std::optional<Action> action;
  switch (command) {
    case PlayCommand::None: break;
    case PlayCommand::Quit:
      Timer1->SetEnabled(false);
      EnterState(0);
      break;
    case PlayCommand::Walk:
      WalkStep(player, Play.grid.cell(player.Column, player.Row), levelBuilder, GameState.RightHeld,
               GameState.LeftHeld);
      break;
    case PlayCommand::Stand: player.SetPatternIndex(0); break;
    case PlayCommand::Pause:
      Timer1->SetEnabled(false);
      EnterState(16);
      break;
    case PlayCommand::Use: action = UseAction(player, Play.grid); break;
    case PlayCommand::Take: action = TakeAction(player); break;
    case PlayCommand::ClimbDown: action = ClimbAction(player, Play.grid, /*up=*/false); break;
    case PlayCommand::ClimbUp: action = ClimbAction(player, Play.grid, /*up=*/true); break;
  }
  if (action) startAction(*action);
  NkSprite1->Dead();
  NkSprite1->Move(1.0f);
  NkSprite1->Draw();
  drawSideNumbers(255);
  drawTime();
  for (size_t k = 0; k < Play.playerKeys.size(); ++k) {
    if (player.CarriedKeys[k] != 0 && Play.playerKeys[k] != nullptr) Play.playerKeys[k]->Visible = true;
  }
  endFrame();
  player.ClearTouching();
}

void TForm1::tickQuickHelp() {
  int32_t& t = Play.stateCounter;
  beginFrame();
  NkSprite1->Draw();
  drawSideNumbers(255);
  endFrame();
  if (!helpWaiting && !helpClosing) {
    if (t > 0 && t < 120) {
      for (int i = 0; i < NkSprite1->Count(); ++i) {
        if (TSprite* s = NkSprite1->Items(i); s->Name == "scr_fasthelp") s->SetAlpha(s->Alpha + 2);
      }
    }
    if (t == 122) {
      clearKeyReleased();
      helpWaiting = true;
    }
  }
  if (helpWaiting) {
    const auto& keys = GameState.KeyReleased;
    if (std::any_of(keys.begin(), keys.end(), [](bool r) { return r; })) {
      helpWaiting = false;
      helpClosing = true;
      t = 124;
    }
  }
  if (helpClosing) {
    if (t > 124 && t < 244) {
      for (int i = 0; i < NkSprite1->Count(); ++i) {
        if (TSprite* s = NkSprite1->Items(i); s->Name == "scr_fasthelp") s->SetAlpha(s->Alpha - 2);
      }
    }
    if (t == 245) {
      LeaveState(18);
      Timer1->SetEnabled(true);
      GameState.ScreenState = 12;
      helpClosing = false;
    }
  }
  ++t;
}

void TForm1::Timer1Timer() {
  int32_t& minutes = Play.timeMinutes;
  int32_t& seconds = Play.timeSeconds;
  if (minutes != 0 || seconds != 0) --seconds;
  if (minutes == 0 && seconds >= 1 && seconds <= 10) Sounds.PlayEffect("tic");
  if (seconds == -1) {
    seconds = 59;
    --minutes;
  }
  if (seconds > 0 || minutes > 0 || Play.busy()) return;
  Play.stateCounter = 0;
  EnterState(17);
}

}  // namespace nk
