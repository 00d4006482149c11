#include "app/screens/options_screen.h"

#include "app/frame_painter.h"
#include "app/game_font.h"
#include "app/screen_sprites.h"
#include "audio/sound_board.h"
#include "engine/nk_screen.h"
#include "game/game_state.h"
#include "game/world.h"
#include "game/world_objects.h"
#include "platform/keys.h"
#include "ui/nk_button.h"
#include "ui/nk_edit.h"

namespace nk {

namespace {

// The options screen's entries in focus order.
enum OptionsEntry { kApply, kCancel, kFullScreenSwitch, kMusicSwitch, kSoundSwitch, kNameEdit };

}  // namespace

void OptionsScreen::enter() {
  TGameState& game = parts_.game;
  MenuWidgets& menu = parts_.menu;
  game.ScreenState = Screen::Options;
  game.SavedPlayerName = game.PlayerName;
  // Before the edit is made, which takes its text colour from the font: after the score dialog's
  // grey the name would be hard to read.
  BuildGameFont(parts_.font, 26);
  menu.newList();
  menu.addButton(
      kApply, "b_apply", 47, 510, [this] { return apply(); }, true);
  menu.addButton(
      kCancel, "b_cancel", 500, 510, [this] { return cancel(); }, true);
  addSwitch(kFullScreenSwitch, 140, game.FullScreen);
  addSwitch(kMusicSwitch, 225, game.MusicOn);
  addSwitch(kSoundSwitch, 310, game.SoundOn);
  menu.MenuButtons[kNameEdit] = &menu.addNameEdit("Edit", "Edit", 458, 384, game.PlayerName);
  menu.MenuButtonCount = 6;
  new TOptionsMenu(parts_.world, "scr_opt", "scrOptions", 0, 20, 20);
  menu.newKeyCursor();
  game.MenuIndex = kCancel;
  MenuStep(parts_.world.sprites);
  menu.ActiveEdit->Unfocus();
}

// Its panel and the cursor head the sprite list.
void OptionsScreen::leave() {
  parts_.game.PlayerName = parts_.menu.ActiveEdit->Text;
  parts_.menu.ActiveEdit->Unfocus();
  parts_.menu.freeList();
  parts_.menu.freeFirstSprite(2);
}

void OptionsScreen::addSwitch(int index, int y, bool& setting) {
  TNkButton& button =
      parts_.menu.addButton(index, setting ? "b_on" : "b_off", 615, y, [this, index, &setting] {
        toggleSwitch(index, setting);
        return Transition{};
      });
  button.SetStatePattern(TNkGUIComponent::stNormal, 1);  // a switch shows its second tile
}

void OptionsScreen::toggleSwitch(int index, bool& setting) {
  if (index != kSoundSwitch) ClearKeyReleased(parts_.game);
  setting = !setting;
  if (index == kMusicSwitch) {
    if (setting) {
      parts_.sounds.StartTune("menumusic");
    } else {
      parts_.sounds.StopTune("menumusic");
    }
  }
  // Switching the sound off is silent; switching it on clicks.
  parts_.sounds.PlayEffect("check");
  parts_.menu.setNormalLook(*parts_.menu.MenuButtons[static_cast<size_t>(index)], setting ? "b_on" : "b_off",
                            1);
}

Transition OptionsScreen::apply() {
  TGameState& game = parts_.game;
  ClearKeyReleased(game);
  if (game.AppliedFullScreen != game.FullScreen) parts_.screen.ToggleFullScreen();
  game.SavedMusicOn = game.MusicOn;
  game.SavedSoundOn = game.SoundOn;
  parts_.sounds.PlayEffect("check");
  // The file takes the name the tear-down keeps.
  return {.leave = {Screen::Options},
          .then =
              [this] {
                parts_.game.AppliedFullScreen = parts_.game.FullScreen;
                parts_.saveConfig();
              },
          .enter = Screen::MainMenu};
}

Transition OptionsScreen::cancel() {
  // After the tear-down, which keeps the typed name, the old one comes back.
  return {.leave = {Screen::Options},
          .then =
              [this] {
                TGameState& game = parts_.game;
                game.FullScreen = game.AppliedFullScreen;
                game.MusicOn = game.SavedMusicOn;
                game.SoundOn = game.SavedSoundOn;
                game.PlayerName = game.SavedPlayerName;
                // Music switched on here and then cancelled must fall silent again.
                if (game.MusicOn) {
                  parts_.sounds.StartTune("menumusic");
                } else {
                  parts_.sounds.StopTune("menumusic");
                }
              },
          .enter = Screen::MainMenu};
}

void OptionsScreen::toggleEditing() {
  TNkEdit& edit = *parts_.menu.ActiveEdit;
  if (edit.Focused()) {
    edit.Unfocus();
  } else {
    edit.Focus();
    edit.CaretPos = edit.TextLength() + 1;
  }
  parts_.sounds.PlayEffect("check");
}

Transition OptionsScreen::tick() {
  TGameState& game = parts_.game;
  MenuWidgets& menu = parts_.menu;
  TNkEdit& edit = *menu.ActiveEdit;
  // A Backspace let go while not editing is dropped, so that it cannot delete once editing starts.
  if (TakeReleased(game, vk::Back) && edit.Focused() && !edit.Text.empty()) edit.Text.pop_back();
  const int32_t before = game.MenuIndex;
  menu.moveFocus(true);
  if (before == kNameEdit && game.MenuIndex != kNameEdit) edit.Unfocus();
  if (TakeReleased(game, vk::Return)) {
    if (game.MenuIndex != kNameEdit) {
      if (Transition next = menu.activateFocused(); !next.empty()) return next;
    } else {
      toggleEditing();
    }
  }
  if (TakeReleased(game, vk::Escape)) return cancel();
  menu.blinkCaret();
  // Typed characters are appended: the caret always stands one past the end.
  if (edit.Focused()) edit.CaretPos = edit.TextLength() + 1;
  menu.beginFrame();
  parts_.frame.end();
  return {};
}

}  // namespace nk
