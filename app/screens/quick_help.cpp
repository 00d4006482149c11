#include "app/screens/quick_help.h"

#include <algorithm>

#include "app/frame_painter.h"
#include "app/screen_sprites.h"
#include "app/side_panel.h"
#include "app/window_timer.h"
#include "game/game_state.h"
#include "game/play_state.h"
#include "game/world.h"
#include "game/world_objects.h"

namespace nk {

void QuickHelp::enter() {
  parts_.game.ScreenState = Screen::QuickHelp;
  auto* sheet = new TExitMenu(parts_.world, "scr_fasthelp", "scr_fasthelp", 5000, 195, 110);
  sheet->SetAlpha(0);
  parts_.play.stateCounter = 0;
  waiting_ = closing_ = false;
}

void QuickHelp::leave() {
  KillByName(parts_.world.sprites, "scr_fasthelp");
  ClearKeyReleased(parts_.game);
}

void QuickHelp::fadeSheet(int alphaStep) {
  ForEachNamed(parts_.world.sprites, "scr_fasthelp",
               [alphaStep](TSprite& sheet) { sheet.SetAlpha(sheet.Alpha + alphaStep); });
}

Transition QuickHelp::tick() {
  int32_t& tick = parts_.play.stateCounter;
  parts_.frame.begin();
  parts_.world.sprites.Draw();
  parts_.panel.drawNumbers(255);
  parts_.frame.end();
  if (!waiting_ && !closing_) {
    if (tick > 0 && tick < kHelpFadeInEnd) fadeSheet(kHelpAlphaStep);
    if (tick == kHelpWaits) {
      ClearKeyReleased(parts_.game);
      waiting_ = true;
    }
  }
  if (waiting_) {
    const auto& keys = parts_.game.KeyReleased;
    if (std::any_of(keys.begin(), keys.end(), [](bool released) { return released; })) {
      waiting_ = false;
      closing_ = true;
      tick = kHelpCloses;
    }
  }
  Transition next;
  if (closing_) next = close(tick);
  ++tick;
  return next;
}

Transition QuickHelp::close(int32_t tick) {
  if (tick > kHelpCloses && tick < kHelpFadeOutEnd) fadeSheet(-kHelpAlphaStep);
  if (tick != kHelpGone) return {};
  parts_.clock.SetEnabled(true);
  closing_ = false;
  return {.leave = {Screen::QuickHelp}, .backToPlay = true};
}

}  // namespace nk
