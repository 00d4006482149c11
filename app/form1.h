#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "app/form_options.h"
#include "app/host_messages.h"
#include "app/pad_input.h"
#include "app/transition.h"
#include "audio/sound_board.h"
#include "game/game_state.h"
#include "game/level_builder.h"
#include "game/play_state.h"
#include "game/world.h"
#include "platform/host.h"
#include "platform/random.h"

namespace nk {

class MenuFontSlot;
class NkFontText;
class TGuiBitmapFont;
class TNkBitmapFont;
class TNkEdit;
class TNkFader;
class TNkFont;
class TNkGUI;
class TNkImageList;
class TNkMusic;
class TNkScreen;
class TNkSound3D;
class TNkSprite;
class TNkTimer;
class TShareScreen;
class TTimer;
struct FormScreens;
struct FormView;

// The game window: owns every component and the game state, answers the window's events and
// hands each frame to the screen it belongs to. The screens are units of their own; this class
// wires them together and applies the changes of screen they ask for.
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

  // The screen flow: every screen, dialog and phase of play is a state, built and torn down
  // by its screen.
  void EnterState(Screen state);
  void LeaveState(Screen state);

  void NkTimer1Timer(TNkTimer& sender);
  void GameTimerTimer(TNkTimer& sender);
  void AnimTimerTimer(TNkTimer& sender);
  void Timer1Timer();

  // WindowEvents
  void keyUp(int virtualKey) override { FormKeyUp(virtualKey); }
  // The widget layer sees the window's messages first and keeps what it consumes.
  void keyDown(int virtualKey) override;
  void character(unsigned char cp1251) override;
  void mouseMove(int x, int y) override;
  void mouseDown(MouseButton button, int x, int y) override;
  void mouseUp(MouseButton button, int x, int y) override;
  void mouseDoubleClick(int x, int y) override;
  void padAdded(int pad, const std::string& name) override { Pads.added(pad, name); }
  void padRemoved(int pad) override { Pads.removed(pad); }
  void padButton(int pad, PadButton button, bool down) override { Pads.button(pad, button, down); }
  void padAxis(int pad, PadAxis axis, int value) override { Pads.axis(pad, axis, value); }
  void activated() override { FormActivate(); }
  bool closeQuery() override { return FormCloseQuery(); }
  void closing() override { FormClose(); }

  // How many game frames have run: the firings of the three frame timers.
  int64_t frameTicks() const { return frameTicks_; }
  // Everything the snapshot and the tests may look at.
  FormView view() const;

 private:
  friend struct FormProbe;  // tests set up directly what no input reaches quickly

  void apply(const Transition& next);
  void handFramesOver(FrameHandOver handOver);
  void makeScreens();
  void makeMenuScreens();
  void makePlayScreens();
  void readConfig();
  // The name edit that takes letters now, or nullptr.
  TNkEdit* nameBeingEdited();
  void startAudio();
  void stopTuneForGood(const std::string& name);
  // SaveConfig, with a failure told to the player rather than passed on.
  void saveConfigOrReport();

  Host& host;
  const FormOptions options;
  int64_t frameTicks_ = 0;
  TGameState GameState;
  Random random;
  // The pads, turned into the keyboard's events.
  PadInput Pads;
  HostMessages messages;
  // The screen comes after the components it tells about device changes: it is destroyed first,
  // while they still exist.
  std::unique_ptr<TNkImageList> NkImageList1, ShareList;
  std::unique_ptr<TNkFont> NkFont1, NkFont2, NkFont3;
  std::unique_ptr<TNkBitmapFont> NkBitmapFont1;
  std::unique_ptr<TNkBitmapFont> NameEditFont;  // the score dialog's name edit writes with its own
  std::unique_ptr<TGuiBitmapFont> guiFont, nameEditGuiFont;  // the two as the widgets see them
  std::unique_ptr<TNkSprite> NkSprite1;
  std::unique_ptr<TNkFader> NkFader1;
  std::unique_ptr<TNkGUI> NkGUI1;
  std::unique_ptr<TNkScreen> NkScreen1;
  std::unique_ptr<TNkTimer> NkTimer1, GameTimer, AnimTimer;
  std::unique_ptr<TTimer> Timer1;
  std::unique_ptr<TNkMusic> NkMusic1;   // the sound effects
  std::unique_ptr<TNkSound3D> Sound3D;  // the tracker tunes
  // What the game calls to sound: effects while SoundOn, tunes while MusicOn.
  SoundBoard Sounds{GameState.SoundOn, GameState.MusicOn};
  std::unique_ptr<NkFontText> nkFont1Text;
  std::unique_ptr<MenuFontSlot> menuFont;  // NkFont1 as the screens write with it
  // The exit promotion screen; the window closes in the exit screen only when its countdown is 0.
  std::unique_ptr<TShareScreen> ShareScreen;
  // The level being played, and what builds it.
  TPlayState Play;
  World world;
  LevelBuilder levelBuilder;
  std::unique_ptr<FormScreens> screens_;
};

}  // namespace nk
