#include "app/screens/level_intro.h"

#include <algorithm>
#include <string>

#include "app/frame_painter.h"
#include "app/menu_text.h"
#include "codec/cp1251.h"
#include "engine/nk_sprite.h"
#include "engine/sprite.h"
#include "game/game_state.h"
#include "game/world.h"
#include "game/world_objects.h"
#include "platform/keys.h"

namespace nk {

namespace {

// Where the lit window and the burglar stand before each house.
struct IntroPlaces {
  int windowX, windowY, burglarX, burglarY;
};
constexpr IntroPlaces kPlaces[6] = {{33, 207, 80, 375},   {198, 132, 243, 374}, {308, 259, 339, 374},
                                    {419, 121, 427, 374}, {535, 241, 571, 374}, {659, 135, 680, 374}};

// Equal Z: the later-made burglar comes first in the list, the window second.
TSprite& burglar(const World& world) { return *world.sprites.Items(0); }
TSprite& houseWindow(const World& world) { return *world.sprites.Items(1); }

}  // namespace

void LevelIntro::enter() {
  TGameState& game = parts_.game;
  game.TickCounter = game.Level == 1 ? 1 : 0;
  game.ScreenState = Screen::LevelIntro;
  started_ = false;
  parts_.world.level = game.Level;
  const IntroPlaces& places = kPlaces[std::clamp(game.Level, 1, 6) - 1];
  new THouseWindow(parts_.world, places.windowX, places.windowY);
  new TVorUDoma(parts_.world, places.burglarX, places.burglarY);
  parts_.font.SetFont("DS Zombie Cyr", 20);
  parts_.font.SetColor(251, 11, 209);
  ClearKeyReleased(game);
}

// The window, second in the list, goes first, then the burglar.
void LevelIntro::leave() {
  delete &houseWindow(parts_.world);
  delete &burglar(parts_.world);
}

// Counting up by two a tick (here and at the end of it), the count stays odd on level 1: there
// he waits for Enter without turning.
void LevelIntro::lookRound(int32_t& count) {
  TSprite& him = burglar(parts_.world);
  if (count % kIntroLookEvery == 0) {
    him.SetPatternIndex(him.PatternIndex + 1 >= kIntroLookFrames ? 0 : him.PatternIndex + 1);
    count = 0;
  }
  ++count;
}

void LevelIntro::walkIn(int32_t count) {
  TSprite& him = burglar(parts_.world);
  if (count == kIntroStands) {
    him.SetImage(parts_.world.image("vor_stoit"));
    him.SetPatternIndex(0);
  }
  if (count > kIntroStands && count < kIntroWindowLit) him.SetAlpha(him.Alpha - 1);
  if (count == kIntroWindowLit) houseWindow(parts_.world).SetAlpha(255);
}

void LevelIntro::writeTexts(int32_t count) {
  MenuTextFont& font = parts_.font;
  if (started_ && count == kIntroCaptionFont) {
    font.SetFont("DS Zombie Cyr", 50);
    font.SetColor(251, 11, 209);
  }
  if (started_ && count > kIntroCaptionFont) {
    TextOutCentred(font, 400, 260, utf8ToCp1251("Уровень ") + std::to_string(parts_.game.Level));
  }
  if (!started_) TextOutCentred(font, 400, 560, utf8ToCp1251("Нажмите \"Enter\" для продолжения"));
}

Transition LevelIntro::tick() {
  TGameState& game = parts_.game;
  int32_t& count = game.TickCounter;
  if (!started_ && game.KeyReleased[vk::Return]) {
    game.KeyReleased[vk::Return] = false;
    started_ = true;
    count = kIntroEnterCount;
  }
  if (!started_) lookRound(count);
  parts_.frame.begin();
  if (started_) walkIn(count);
  parts_.world.sprites.Move(1.0f);
  parts_.frame.picture("scr_choose", 0);
  parts_.world.sprites.Draw();
  writeTexts(count);
  parts_.frame.end();
  if (started_ && count == kIntroEnd) return {.leave = {Screen::LevelIntro}, .enter = Screen::Play};
  ++count;
  return {};
}

}  // namespace nk
