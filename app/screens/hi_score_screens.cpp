#include "app/screens/hi_score_screens.h"

#include "app/frame_painter.h"
#include "app/menu_text.h"
#include "app/score_report.h"
#include "app/screen_sprites.h"
#include "audio/sound_board.h"
#include "game/game_state.h"
#include "game/world.h"
#include "game/world_objects.h"
#include "ui/nk_button.h"

namespace nk {

namespace {

Transition tableToMainMenu() { return {.leave = {Screen::HiScores}, .enter = Screen::MainMenu}; }
Transition backToTable() { return {.leave = {Screen::ClearTable}, .enter = Screen::HiScores}; }

}  // namespace

void HiScoreScreens::enterTable() {
  TGameState& game = parts_.game;
  MenuWidgets& menu = parts_.menu;
  game.ScreenState = Screen::HiScores;
  menu.newList();
  menu.addButton(0, "b_clrhiscr", 80, 495, [this] {
    ClearKeyReleased(parts_.game);
    parts_.sounds.PlayEffect("check");
    return Transition{.enter = Screen::ClearTable};
  });
  menu.addButton(1, "b_viewwhiscr", 305, 495, [this] {
    OpenScorePage(parts_.host, parts_.scoreServer);
    return Transition{};
  });
  TNkButton& back = menu.addButton(2, "b_back", 610, 520, [this] {
    parts_.sounds.PlayEffect("check");
    ClearKeyReleased(parts_.game);
    return tableToMainMenu();
  });
  back.SetStateImage(TNkGUIComponent::stHover, back.States[0].Image);
  menu.MenuButtonCount = 3;
  new THiscoreMenu(parts_.world, "scr_hiscr", "scrHiscr", 0, 53, 0);
  menu.newKeyCursor();
  game.MenuIndex = 0;
  MenuStep(parts_.world.sprites);
  parts_.font.SetFont("DS Zombie Cyr", 26);
  parts_.font.SetColor(255, 255, 255);
}

void HiScoreScreens::leaveTable() {
  parts_.menu.freeList();
  parts_.menu.freeFirstSprite(2);
}

Transition HiScoreScreens::tickTable() {
  return parts_.menu.screenFrame(tableToMainMenu,
                                 [this] { DrawHiScores(parts_.font, parts_.game.HiScores); });
}

void HiScoreScreens::enterClearTable() {
  parts_.game.ScreenState = Screen::ClearTable;
  MenuWidgets& menu = parts_.menu;
  menu.newList();
  menu.addYesNo(
      [this] {
        ResetHiScores(parts_.game.HiScores);
        ClearKeyReleased(parts_.game);
        parts_.sounds.PlayEffect("check");
        return backToTable();
      },
      [this] {
        ClearKeyReleased(parts_.game);
        parts_.sounds.PlayEffect("check");
        return backToTable();
      });
  menu.newKeyCursor();
  MenuStep(parts_.world.sprites);
  new TExitMenu(parts_.world, "scr_clearhiscr", "scr_clearhiscr", 20, 240, 40);
}

// Four sprites head the list: the dialog's panel and cursor, and the table's.
void HiScoreScreens::leaveClearTable() {
  parts_.menu.freeFirstSprite(4);
  parts_.menu.freeList();
}

Transition HiScoreScreens::tickClearTable() { return parts_.menu.screenFrame(backToTable); }

}  // namespace nk
