#pragma once
// What the snapshot and the tests see of the game window: its state and components, read-only.
// It brings the components' own headers, so that whoever reads them can.
#include <cstdint>

#include "app/menu_widgets.h"
#include "app/nk_timer.h"
#include "app/pad_input.h"
#include "app/window_timer.h"
#include "audio/nk_sound3d.h"
#include "audio/sound_board.h"
#include "engine/nk_bitmap_font.h"
#include "engine/nk_fader.h"
#include "engine/nk_font.h"
#include "engine/nk_image_list.h"
#include "engine/nk_screen.h"
#include "engine/nk_sprite.h"
#include "engine/sprite.h"
#include "game/game_state.h"
#include "game/key_cursor.h"
#include "game/play_state.h"
#include "platform/host.h"
#include "platform/render_device.h"
#include "ui/nk_button.h"
#include "ui/nk_edit.h"
#include "ui/nk_gui.h"
#include "ui/share_screen.h"

namespace nk {

struct FormView {
  const TGameState& GameState;
  const TPlayState& Play;
  const TNkSprite& NkSprite1;
  const TNkGUI& NkGUI1;
  const TNkScreen& NkScreen1;
  const TNkFont& NkFont1;
  const TNkBitmapFont& NkBitmapFont1;
  const TNkFader& NkFader1;
  const TNkTimer& NkTimer1;
  const TNkTimer& GameTimer;
  const TNkTimer& AnimTimer;
  const TTimer& Timer1;
  const TNkSound3D& Sound3D;
  const SoundBoard& Sounds;
  const TShareScreen& ShareScreen;
  const TNkImageList& ShareList;
  const MenuWidgets& Menu;  // the current menu's widgets and cursor
  int32_t HelpPage;         // the help screen's page
  const RenderDevice& device;
  int64_t ticks;           // frame-timer firings since the start
  const Journal& journal;  // what the game asked of the machine
  const PadInput& Pads;    // the game controllers plugged in
};

}  // namespace nk
