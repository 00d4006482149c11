#include "app/screens/caught_sequences.h"

#include <algorithm>

#include "app/frame_painter.h"
#include "app/screen_sprites.h"
#include "app/side_panel.h"
#include "app/window_timer.h"
#include "audio/sound_board.h"
#include "engine/nk_fader.h"
#include "game/game_state.h"
#include "game/play_state.h"
#include "game/player.h"
#include "game/world.h"
#include "game/world_objects.h"

namespace nk {

void CaughtSequences::drawFrame() {
  parts_.panel.drawNumbers(255);
  parts_.fader.Draw();
  parts_.frame.end();
}

void CaughtSequences::fadeToWhite() { parts_.fader.FadeToColor(255, 255, 255, 1.0f); }

void CaughtSequences::enterShot() {
  parts_.game.ScreenState = Screen::Shot;
  parts_.play.player->SetImage(parts_.world.image("vor_scare"));
  parts_.play.player->SetPatternIndex(0);
  parts_.sounds.PlayEffect("ahhh");
}

void CaughtSequences::leaveShot() {
  KillByName(parts_.world.sprites, "heart");
  parts_.play.heart = nullptr;
}

void CaughtSequences::aim(int32_t tick) {
  if (tick == kArghTick) parts_.sounds.PlayEffect("argh");
  TPlayState& play = parts_.play;
  TGuy* guard = play.grid.cell(play.player->Column, play.player->Row).guard;
  if (tick % kShotAimEvery == 0 && guard != nullptr && guard->AimStep(play.guardFacesPlayer)) {
    parts_.sounds.PlayEffect("shot");
  }
}

Transition CaughtSequences::tickShot() {
  int32_t& tick = parts_.play.stateCounter;
  if (tick < kShotEnd) {
    parts_.frame.begin();
    parts_.world.sprites.Move(0.0001f);
    parts_.world.sprites.Draw();
    drawFrame();
  }
  ++tick;
  if (tick > kShotAimFrom && tick < kShotAimTo) aim(tick);
  if (tick == kHeartTick) {
    parts_.play.player->SetImage(parts_.world.image("vor_lookup"));
    parts_.play.heart = new THeart(parts_.world, *parts_.play.player);
  }
  if (tick == kShotFadeTick) fadeToWhite();
  if (tick == kShotEnd) return loseLife(Screen::Shot);
  return {};
}

void CaughtSequences::enterTimeUp() {
  parts_.game.ScreenState = Screen::TimeUp;
  new TExitMenu(parts_.world, "timesup", "timesup", 3000, 230, 220);
}

void CaughtSequences::leaveTimeUp() { KillByName(parts_.world.sprites, "timesup"); }

Transition CaughtSequences::countTimeUp() {
  int32_t& tick = parts_.play.stateCounter;
  if (tick == 0) {
    parts_.clock.SetEnabled(false);
    parts_.sounds.PlayEffect("sirena");
    keyPressed_ = false;
    ClearKeyReleased(parts_.game);
    tick = 1;
  }
  auto& keys = parts_.game.KeyReleased;
  if (!keyPressed_) {
    if (const auto first = std::find(keys.begin(), keys.end(), true); first != keys.end()) {
      keyPressed_ = true;
      *first = false;
    }
  }
  if (keyPressed_ && tick < kTimeUpFadeTick) {
    tick = kTimeUpFadeTick;
    fadeToWhite();
    ++tick;
  }
  if (tick >= kTimeUpFadeTick) ++tick;
  if (tick == kTimeUpEnd) return loseLife(Screen::TimeUp);
  return {};
}

void CaughtSequences::drawTimeUp() {
  if (parts_.play.stateCounter >= kTimeUpEnd) return;
  parts_.frame.begin();
  parts_.world.sprites.Draw();
  drawFrame();
}

void CaughtSequences::enterLaser() {
  parts_.game.ScreenState = Screen::Laser;
  parts_.clock.SetEnabled(false);
  parts_.play.stateCounter = 0;
}

Transition CaughtSequences::tickLaser() {
  int32_t& tick = parts_.play.stateCounter;
  TPlayer& player = *parts_.play.player;
  if (tick == 0) {
    player.SetImage(parts_.world.image("vor_scare"));
    const TLevelCell& room = parts_.play.grid.cell(player.Column, player.Row);
    if (room.siren != nullptr) room.siren->AnimActive = true;
    if (room.laser != nullptr) room.laser->Moving = false;
    parts_.sounds.PlayEffect("sirena");
  }
  parts_.frame.begin();
  parts_.world.sprites.Draw();
  parts_.world.sprites.Move(1.0f);  // the siren flashes
  drawFrame();
  if (tick++ == kLaserFadeTick) fadeToWhite();
  if (tick != kLaserEnd) return {};
  parts_.sounds.StopEffect("sirena");
  return loseLife(Screen::Laser);
}

Transition CaughtSequences::loseLife(Screen caught) {
  TGameState& game = parts_.game;
  --game.Lives;
  // The same house again, as it was at the start.
  if (game.Lives > 0) return {.leave = {caught, Screen::Play}, .enter = Screen::Play};
  parts_.play.stateCounter = caught == Screen::TimeUp ? 0 : 1;
  // The game is lost, but what he carried still counts; the house stays under the picture.
  game.Score += parts_.play.player->Money;
  return {.leave = {caught},
          .then =
              [this] {
                parts_.play.gameOverShown = true;
                new TExitMenu(parts_.world, "lose", "lose", 900, 0, 0);
              },
          .enter = Screen::ScoreDialog};
}

}  // namespace nk
