#include "app/screens/main_menu.h"

#include <algorithm>

#include "app/frame_painter.h"
#include "app/screen_sprites.h"
#include "audio/sound_board.h"
#include "game/game_state.h"
#include "game/play_state.h"
#include "game/world.h"
#include "platform/files.h"
#include "platform/host.h"

namespace nk {

void MainMenu::enter() {
  TGameState& game = parts_.game;
  game.FirstGame = true;
  game.ScreenState = Screen::MainMenu;
  parts_.menu.newKeyCursor();
  MenuStep(parts_.world.sprites);
  ClearKeyReleased(game);
  addButtons();
  game.Level = 1;
  parts_.play.stateCounter = 0;
  game.Score = 0;
  game.Lives = 3;
}

void MainMenu::addButtons() {
  MenuWidgets& menu = parts_.menu;
  menu.newList();
  menu.addButton(0, "b_stgame", 300, 100, [this] { return startGame(); });
  menu.addButton(1, "b_opt", 370, 170, [this] {
    parts_.game.SavedMusicOn = parts_.game.MusicOn;
    parts_.game.SavedSoundOn = parts_.game.SoundOn;
    return open(Screen::Options);
  });
  menu.addButton(2, "b_hiscr", 353, 240, [this] { return open(Screen::HiScores); });
  menu.addButton(3, "b_help", 354, 310, [this] { return open(Screen::Help); });
  menu.addButton(4, "b_visit", 270, 380, [this] {
    parts_.sounds.PlayEffect("check");
    if (fileExists("moregames.url")) parts_.host.shellOpen("moregames.url", "");
    return Transition{};
  });
  menu.addButton(5, "b_exit", 380, 450, [this] {
    parts_.sounds.PlayEffect("check");
    return Transition{.leave = {Screen::MainMenu}, .enter = Screen::ExitConfirm};
  });
  menu.MenuButtonCount = 6;
}

// The menu's panel is its cursor alone.
void MainMenu::leave() {
  parts_.menu.freeList();
  parts_.menu.freeFirstSprite(1);
}

Transition MainMenu::open(Screen next) {
  ClearKeyReleased(parts_.game);
  parts_.sounds.PlayEffect("check");
  return {.leave = {Screen::MainMenu}, .enter = next};
}

Transition MainMenu::startGame() {
  parts_.sounds.PlayEffect("check");
  if (parts_.game.MusicOn) {
    parts_.sounds.StopTune("menumusic");
    parts_.sounds.StartTune("gamemusic");
  }
  return {.frames = FrameHandOver::MenuToGame, .leave = {Screen::MainMenu}, .enter = Screen::LevelIntro};
}

Transition MainMenu::tickTitle() {
  FramePainter& frame = parts_.frame;
  frame.begin();
  frame.picture("back_first", 1);
  parts_.world.sprites.Draw();
  frame.end();
  const auto& keys = parts_.game.KeyReleased;
  if (std::any_of(keys.begin() + 1, keys.end(), [](bool released) { return released; })) {
    return {.enter = Screen::MainMenu};
  }
  return {};
}

Transition MainMenu::tick() {
  MenuWidgets& menu = parts_.menu;
  Transition next =
      menu.keys([] { return Transition{.leave = {Screen::MainMenu}, .enter = Screen::ExitConfirm}; });
  if (!next.empty()) return next;
  // The buttons lie on the sprites, the cursor over everything.
  TNkSprite& sprites = parts_.world.sprites;
  MenuStep(sprites);
  parts_.frame.begin();
  sprites.Draw();
  parts_.frame.picture("mainback", 0);
  parts_.frame.picture("b_logo", 0, 0, 520);
  menu.drawWidgets();
  menu.drawCursor();
  parts_.frame.end();
  return {};
}

}  // namespace nk
