#include "app/screens/help_screen.h"

#include "app/frame_painter.h"
#include "app/screen_sprites.h"
#include "audio/sound_board.h"
#include "game/game_state.h"
#include "game/world.h"
#include "game/world_objects.h"

namespace nk {

namespace {

Transition backToMainMenu() { return {.leave = {Screen::Help}, .enter = Screen::MainMenu}; }

}  // namespace

void HelpScreen::enter() {
  HelpPage = 1;
  parts_.game.ScreenState = Screen::Help;
  MenuWidgets& menu = parts_.menu;
  menu.newList();
  menu.addButton(0, "b_back", 57, 510, [this] {
    parts_.sounds.PlayEffect("check");
    ClearKeyReleased(parts_.game);
    return backToMainMenu();
  });
  menu.addButton(1, "b_next", 500, 420, [this] {
    next();
    return Transition{};
  });
  menu.addButton(2, "b_prev", 57, 420, [this] {
    previous();
    return Transition{};
  });
  menu.MenuButtonCount = 3;
  new THelpMenu(parts_.world, "scr_help", "scrHelp", 0, 52, 0);
  menu.newKeyCursor();
  parts_.game.MenuIndex = 0;
  MenuStep(parts_.world.sprites);
}

// Its page and the cursor head the sprite list.
void HelpScreen::leave() {
  parts_.menu.freeList();
  parts_.menu.freeFirstSprite(2);
}

Transition HelpScreen::tick() { return parts_.menu.screenFrame(backToMainMenu); }

void HelpScreen::showPage(const char* image) {
  TImageListItem* picture = parts_.world.image(image);
  ForEachNamed(parts_.world.sprites, "scrHelp", [picture](TSprite& page) {
    page.SetX(52);
    page.SetY(0);
    page.SetImage(picture);
  });
}

void HelpScreen::next() {
  ClearKeyReleased(parts_.game);
  parts_.sounds.PlayEffect("check");
  if (HelpPage >= 3) return;
  showPage(HelpPage == 1 ? "scr_help2" : "scr_help3");
  ++HelpPage;
}

void HelpScreen::previous() {
  if (HelpPage > 1) {
    showPage(HelpPage == 2 ? "scr_help" : "scr_help2");
    --HelpPage;
  }
  parts_.sounds.PlayEffect("check");
}

}  // namespace nk
