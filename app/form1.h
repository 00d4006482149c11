#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/game_state.h"
#include "app/nk_timer.h"
#include "app/host_messages.h"
#include "app/window_timer.h"
#include "engine/nk_bitmap_font.h"
#include "engine/nk_fader.h"
#include "engine/nk_font.h"
#include "engine/nk_image_list.h"
#include "engine/nk_screen.h"
#include "engine/nk_sprite.h"
#include "platform/host.h"
#include "platform/random.h"

namespace nk {

// What the command line may decide for a run.
struct FormOptions {
  std::optional<uint64_t> seed;        // replaces the clock seed
  std::optional<bool> fullScreen;      // overrides Config.cfg's display mode
  std::optional<int32_t> startLevel;   // go straight into a new game on this level
  std::string scoreServer;             // replaces the score server's address when not empty
};

// The game window: owns every component and the game state, and answers the window's events.
// Subsystems get only the references they need; this class wires them together.
class TForm1 final : public WindowEvents {
 public:
  TForm1(Host& host, FormOptions options);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormKeyDown(int key);
  void FormKeyUp(int key);
  void FormMouseDown(MouseButton button, int x, int y);
  bool FormCloseQuery();
  void FormClose();
  void FormDestroy();
  // Writes Config.cfg; throws std::runtime_error when it cannot.
  void SaveConfig();

  void NkTimer1Timer(TNkTimer& sender);
  void GameTimerTimer(TNkTimer& sender);
  void AnimTimerTimer(TNkTimer& sender);
  void Timer1Timer();

  // WindowEvents
  void keyDown(int virtualKey) override { FormKeyDown(virtualKey); }
  void keyUp(int virtualKey) override { FormKeyUp(virtualKey); }
  void character(unsigned char) override {}
  void mouseMove(int, int) override {}
  void mouseDown(MouseButton button, int x, int y) override { FormMouseDown(button, x, y); }
  void mouseUp(MouseButton, int, int) override {}
  void activated() override { FormActivate(); }
  bool closeQuery() override { return FormCloseQuery(); }
  void closing() override { FormClose(); }

  Host& host;
  const FormOptions options;
  TGameState GameState;
  Random random;

  HostMessages messages;
  // The screen comes after the components it tells about device changes: it is destroyed first,
  // while they still exist.
  std::unique_ptr<TNkImageList> NkImageList1, ShareList;
  std::unique_ptr<TNkFont> NkFont1, NkFont2, NkFont3;
  std::unique_ptr<TNkBitmapFont> NkBitmapFont1;
  std::unique_ptr<TNkSprite> NkSprite1;
  std::unique_ptr<TNkFader> NkFader1;
  std::unique_ptr<TNkScreen> NkScreen1;
  std::unique_ptr<TNkTimer> NkTimer1, GameTimer, AnimTimer;
  std::unique_ptr<TTimer> Timer1;

 private:
  void readConfig();
  void drawFrame();
};

}  // namespace nk
