// The three ways the burglar is caught, and what a lost life costs.
#include <algorithm>

#include "app/form1.h"
#include "game/player.h"
#include "game/world_objects.h"

namespace nk {

void TForm1::enterShot() {
  GameState.ScreenState = Screen::Shot;
  Play.player->SetImage(world.image("vor_scare"));
  Play.player->SetPatternIndex(0);
  Sounds.PlayEffect("ahhh");
}

void TForm1::enterTimeUp() {
  GameState.ScreenState = Screen::TimeUp;
  new TExitMenu(world, "timesup", "timesup", 3000, 230, 220);
}

void TForm1::tickShot() {
  int32_t& t = Play.stateCounter;
  if (t < 620) {
    beginFrame();
    NkSprite1->Move(0.0001f);
    NkSprite1->Draw();
    drawSideNumbers(255);
    NkFader1->Draw();
    endFrame();
  }
  ++t;
  if (t > 130 && t < 231) {
    if (t == 131) Sounds.PlayEffect("argh");
    TGuy* guard = Play.grid.cell(Play.player->Column, Play.player->Row).guard;
    if (t % 10 == 0 && guard != nullptr && guard->AimStep(Play.guardFacesPlayer)) Sounds.PlayEffect("shot");
  }
  if (t == 252) {
    Play.player->SetImage(world.image("vor_lookup"));
    Play.heart = new THeart(world, *Play.player);
  }
  if (t == 493) fadeToWhite();
  if (t == 620) loseLife(Screen::Shot);
}

void TForm1::tickTimeUp() {
  int32_t& t = Play.stateCounter;
  int32_t& keyPressed = introStarted;
  if (t == 0) {
    Timer1->SetEnabled(false);
    Sounds.PlayEffect("sirena");
    keyPressed = 0;
    clearKeyReleased();
    t = 1;
  }
  auto& keys = GameState.KeyReleased;
  if (keyPressed == 0) {
    if (const auto first = std::find(keys.begin(), keys.end(), true); first != keys.end()) {
      keyPressed = -1;
      *first = false;
    }
  }
  if (keyPressed != 0 && t < 173) {
    t = 173;
    fadeToWhite();
    ++t;
  }
  if (t > 172) ++t;
  if (t == 300) loseLife(Screen::TimeUp);
  if (t < 300) {
    beginFrame();
    NkSprite1->Draw();
    drawSideNumbers(255);
    NkFader1->Draw();
    endFrame();
  }
}

void TForm1::tickLaser() {
  int32_t& t = Play.stateCounter;
  TPlayer& player = *Play.player;
  if (t == 0) {
    player.SetImage(world.image("vor_scare"));
    const TLevelCell& room = Play.grid.cell(player.Column, player.Row);
    if (room.siren != nullptr) room.siren->AnimActive = true;
    if (room.laser != nullptr) room.laser->Moving = false;
    Sounds.PlayEffect("sirena");
  }
  beginFrame();
  NkSprite1->Draw();
  NkSprite1->Move(1.0f);
  drawSideNumbers(255);
  NkFader1->Draw();
  endFrame();
  if (t++ == 272) fadeToWhite();
  if (t == 400) {
    Sounds.StopEffect("sirena");
    loseLife(Screen::Laser);
  }
}

void TForm1::loseLife(Screen caughtState) {
  --GameState.Lives;
  if (GameState.Lives > 0) {
    // The same house again, as it was at the start.
    LeaveState(caughtState);
    LeaveState(Screen::Play);
    EnterState(Screen::Play);
    return;
  }
  Play.stateCounter = caughtState == Screen::TimeUp ? 0 : 1;
  // The game is lost, but what he carried still counts; the house stays under the picture.
  GameState.Score += Play.player->Money;
  LeaveState(caughtState);
  Play.gameOverShown = true;
  new TExitMenu(world, "lose", "lose", 900, 0, 0);
  EnterState(Screen::ScoreDialog);
}

}  // namespace nk
