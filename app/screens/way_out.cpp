#include "app/screens/way_out.h"

#include <nlohmann/json.hpp>

#include "app/frame_painter.h"
#include "app/screen_sprites.h"
#include "audio/sound_board.h"
#include "codec/cp1251.h"
#include "engine/nk_image_list.h"
#include "engine/nk_screen.h"
#include "game/game_state.h"
#include "game/world.h"
#include "game/world_objects.h"
#include "platform/host.h"
#include "ui/nk_gui.h"
#include "ui/share_screen.h"

namespace nk {

namespace {

Transition backToMainMenu() { return {.leave = {Screen::ExitConfirm}, .enter = Screen::MainMenu}; }

}  // namespace

void WayOut::enterExitConfirm() {
  parts_.game.ScreenState = Screen::ExitConfirm;
  MenuWidgets& menu = parts_.menu;
  menu.newList();
  menu.addYesNo([] { return Transition{.leave = {Screen::ExitConfirm}, .enter = Screen::ExitScreen}; },
                [this] {
                  ClearKeyReleased(parts_.game);
                  parts_.sounds.PlayEffect("check");
                  return backToMainMenu();
                });
  menu.newKeyCursor();
  new TExitMenu(parts_.world, "scr_ExitTheGame", "scr_ExitTheGame", 0, 240, 40);
  parts_.game.MenuIndex = 1;  // No first
  MenuStep(parts_.world.sprites);
}

// Its panel and the cursor head the sprite list.
void WayOut::leaveExitConfirm() {
  parts_.menu.freeList();
  parts_.menu.freeFirstSprite(2);
}

Transition WayOut::tickExitConfirm() {
  return parts_.menu.screenFrame(backToMainMenu, [this] { parts_.menu.drawCursor(); });
}

void WayOut::enterExitScreen() {
  parts_.game.ScreenState = Screen::ExitScreen;
  parts_.gui.DeactivateInput();
  // Nothing to promote: the window may close at once.
  if (parts_.promotion.Valid) return;
  parts_.promotion.Countdown = 0;
  parts_.host.requestClose();
}

void WayOut::tickExitScreen() {
  TShareScreen& promotion = parts_.promotion;
  if (promotion.Countdown > 0) --promotion.Countdown;
  parts_.screen.Clear(0, 0, 0, 0);
  parts_.screen.BeginScene();
  parts_.pictures.BeginDrawHook();
  promotion.UpdateHover();
  promotion.Draw();
  parts_.pictures.EndDrawHook();
  parts_.screen.EndScene();
}

// A click counts where it is made, even before a frame has seen the pointer there.
void WayOut::click(int32_t x, int32_t y) {
  parts_.promotion.PointerAt(x, y);
  parts_.promotion.UpdateHover();
  parts_.promotion.ClickHovered();
}

bool WayOut::countdownOver() const { return parts_.promotion.Countdown == 0; }

nlohmann::json DescribePromotion(const TShareScreen& promotion) {
  nlohmann::json buttons = nlohmann::json::array();
  for (const TButton& button : promotion.Buttons) {
    buttons.push_back({{"action", cp1251ToUtf8(button.Action)},
                       {"x", button.X},
                       {"y", button.Y},
                       {"width", button.Width},
                       {"height", button.Height},
                       {"hover", button.Hover},
                       {"active", button.Active},
                       {"visible", button.Visible}});
  }
  nlohmann::json pointer = nullptr;
  if (const auto& at = promotion.Pointer()) pointer = {{"x", at->x}, {"y", at->y}};
  return {{"valid", promotion.Valid},
          {"problem", cp1251ToUtf8(promotion.Problem)},
          {"countdown", promotion.Countdown},
          {"number", promotion.CountdownNumber()},
          {"pointer", pointer},
          {"buttons", buttons}};
}

}  // namespace nk
