// The options screen: full screen, music and sound switches, the player's name, Apply and Cancel.
#include <exception>

#include "app/form1.h"
#include "game/world_objects.h"
#include "platform/keys.h"

namespace nk {

namespace {

// The options screen's entries in focus order.
enum OptionsEntry { kApply, kCancel, kFullScreenSwitch, kMusicSwitch, kSoundSwitch, kNameEdit };

}  // namespace

void TForm1::enterOptions() {
  GameState.ScreenState = Screen::Options;
  GameState.SavedPlayerName = GameState.PlayerName;
  // Before the edit is made, which takes its text colour from the font: after the score dialog's
  // grey the name would be hard to read.
  buildGameFont(*NkBitmapFont1, 26);
  newMenuList();
  addMenuButton(
      kApply, "b_apply", 47, 510, [this] { applyOptions(); }, true);
  addMenuButton(
      kCancel, "b_cancel", 500, 510, [this] { cancelOptions(); }, true);
  addSwitch(kFullScreenSwitch, 140, GameState.FullScreen);
  addSwitch(kMusicSwitch, 225, GameState.MusicOn);
  addSwitch(kSoundSwitch, 310, GameState.SoundOn);
  MenuButtons[kNameEdit] = &addNameEdit("Edit", "Edit", 458, 384, GameState.PlayerName);
  MenuButtonCount = 6;
  new TOptionsMenu(world, "scr_opt", "scrOptions", 0, 20, 20);
  newKeyCursor();
  GameState.MenuIndex = kCancel;
  NkSprite1->Move(0.00001f);
  ActiveEdit->Unfocus();
}

void TForm1::leaveOptions() {
  GameState.PlayerName = ActiveEdit->Text;
  ActiveEdit->Unfocus();
  freeMenuList();
  freeFirstSprite(2);
}

void TForm1::addSwitch(int index, int y, bool& setting) {
  TNkButton& b = addMenuButton(index, setting ? "b_on" : "b_off", 615, y,
                               [this, index, &setting] { toggleSwitch(index, setting); });
  b.SetStatePattern(TNkGUIComponent::stNormal, 1);  // a switch shows its second tile
}

void TForm1::toggleSwitch(int index, bool& setting) {
  if (index != kSoundSwitch) clearKeyReleased();
  setting = !setting;
  if (index == kMusicSwitch) {
    if (setting) {
      Sounds.StartTune("menumusic");
    } else {
      Sounds.StopTune("menumusic");
    }
  }
  // Switching the sound off is silent; switching it on clicks.
  Sounds.PlayEffect("check");
  setNormalLook(*MenuButtons[static_cast<size_t>(index)], setting ? "b_on" : "b_off", 1);
}

void TForm1::applyOptions() {
  LeaveState(Screen::Options);
  clearKeyReleased();
  if (GameState.AppliedFullScreen != GameState.FullScreen) NkScreen1->ToggleFullScreen();
  GameState.SavedMusicOn = GameState.MusicOn;
  GameState.SavedSoundOn = GameState.SoundOn;
  Sounds.PlayEffect("check");
  EnterState(Screen::MainMenu);
  GameState.AppliedFullScreen = GameState.FullScreen;
  try {
    SaveConfig();
  } catch (const std::exception& e) {
    host.application().reportException(e);
  }
}

void TForm1::cancelOptions() {
  LeaveState(Screen::Options);
  GameState.FullScreen = GameState.AppliedFullScreen;
  GameState.MusicOn = GameState.SavedMusicOn;
  GameState.SoundOn = GameState.SavedSoundOn;
  GameState.PlayerName = GameState.SavedPlayerName;
  // Music switched on here and then cancelled must fall silent again.
  if (GameState.MusicOn) {
    Sounds.StartTune("menumusic");
  } else {
    Sounds.StopTune("menumusic");
  }
  EnterState(Screen::MainMenu);
}

void TForm1::tickOptions() {
  // A Backspace let go while not editing is dropped, so that it cannot delete once editing starts.
  if (takeReleased(vk::Back) && ActiveEdit->Focused() && !ActiveEdit->Text.empty())
    ActiveEdit->Text.pop_back();
  const int32_t before = GameState.MenuIndex;
  moveMenuFocus(true);
  if (before == kNameEdit && GameState.MenuIndex != kNameEdit) ActiveEdit->Unfocus();
  if (takeReleased(vk::Return)) {
    if (GameState.MenuIndex != kNameEdit) {
      activateFocused();
      if (GameState.ScreenState != Screen::Options) return;
    } else {
      if (ActiveEdit->Focused()) {
        ActiveEdit->Unfocus();
      } else {
        ActiveEdit->Focus();
        ActiveEdit->CaretPos = ActiveEdit->TextLength() + 1;
      }
      Sounds.PlayEffect("check");
    }
  }
  if (takeReleased(vk::Escape)) {
    cancelOptions();
    return;
  }
  blinkCaret();
  // Typed characters are appended: the caret always stands one past the end.
  if (ActiveEdit->Focused()) ActiveEdit->CaretPos = ActiveEdit->TextLength() + 1;
  beginMenuFrame();
  endFrame();
}

}  // namespace nk
