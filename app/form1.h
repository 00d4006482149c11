#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "app/host_messages.h"
#include "app/menu_focus.h"
#include "app/menu_text.h"
#include "app/nk_font_text.h"
#include "app/nk_timer.h"
#include "app/sound_setup.h"
#include "app/window_timer.h"
#include "audio/sound_board.h"
#include "engine/nk_bitmap_font.h"
#include "engine/nk_fader.h"
#include "engine/nk_font.h"
#include "engine/nk_image_list.h"
#include "engine/nk_screen.h"
#include "engine/nk_sprite.h"
#include "game/game_state.h"
#include "game/hud.h"
#include "game/key_cursor.h"
#include "game/level_builder.h"
#include "game/play_state.h"
#include "platform/host.h"
#include "platform/random.h"
#include "ui/gui_bitmap_font.h"
#include "ui/nk_button.h"
#include "ui/nk_edit.h"
#include "ui/nk_gui.h"
#include "ui/share_screen.h"

namespace nk {

// What the command line may decide for a run.
struct FormOptions {
  std::optional<uint64_t> seed;       // replaces the clock seed
  std::optional<bool> fullScreen;     // overrides Config.cfg's display mode
  std::optional<int32_t> startLevel;  // go straight into a new game on this level
  std::string scoreServer;            // the score server's address; none: it counts as unreachable
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
  // How many game frames have run: the firings of the three frame timers.
  int64_t frameTicks() const { return frameTicks_; }
  void FormActivate();
  void FormKeyDown(int key);
  void FormKeyUp(int key);
  void FormMouseDown(MouseButton button, int x, int y);
  bool FormCloseQuery();
  void FormClose();
  void FormDestroy();
  // Writes Config.cfg; throws std::runtime_error when it cannot.
  void SaveConfig();

  // The screen flow: every screen, dialog and phase of play is a state.
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
  void activated() override { FormActivate(); }
  bool closeQuery() override { return FormCloseQuery(); }
  void closing() override { FormClose(); }

  Host& host;
  const FormOptions options;
  int64_t frameTicks_ = 0;
  TGameState GameState;
  Random random;

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

  // The current menu or dialog: its widget list (owned by NkGUI1), its focusable entries in focus
  // order and its name edit (both owned by the list).
  TNkGUIList* MenuList = nullptr;
  std::array<TNkGUIComponent*, 7> MenuButtons{};
  int32_t MenuButtonCount = 0;
  TNkEdit* ActiveEdit = nullptr;
  int32_t HelpPage = 1;
  // NkFont1 as the menus write with it; until the text font is connected nothing is written.
  MenuTextFont* menuFont = nullptr;
  std::unique_ptr<NkFontText> menuFontText;  // NkFont1 as the screens write with it
  void drawSideNumbers(uint8_t grey);
  void drawTime(int x = kTimeX, int y = kTimeY);
  // The exit promotion screen; the window closes in state 20 only when its countdown is at 0.
  std::unique_ptr<TShareScreen> ShareScreen;
  TKeyCurs* KeyCursor = nullptr;  // owned by NkSprite1
  // The level being played, and what builds it.
  TPlayState Play;
  World world;
  LevelBuilder levelBuilder;

 private:
  void readConfig();
  // "DS Zombie Cyr" at pointSize with the game's characters, in white.
  void buildGameFont(TNkBitmapFont& font, int pointSize);
  void setBitmapFontGrey();
  void setScreenGrey(uint8_t grey);  // the screen's colour and the first text font's, as one grey  // the
                                     // score dialog's 50/50/50

  // States and their ticks, by screen (states.cpp, menu_tick.cpp, play_tick.cpp).
  void enterMainMenu();
  void startGame();
  void enterLevelIntro();
  void StartLevel();
  void enterQuickHelp();
  void leaveLevelIntro();
  void tickTitle();
  void tickMainMenu();
  void tickLevelIntro();
  void tickPlay();
  void tickQuickHelp();
  // The burglar's actions (anim_tick.cpp): starting one hands the frames to AnimTimer, its end
  // hands them back.
  void startAction(Action action);
  void handBackToPlay();
  // The level-complete tally (level_complete.cpp) and the three ways of being caught
  // (caught_ticks.cpp).
  void enterLevelComplete();
  void leaveLevelComplete();
  void tickLevelComplete();
  void enterShot();
  void enterTimeUp();
  void tickShot();
  void tickTimeUp();
  void tickLaser();
  void loseLife(Screen caughtState);
  void fadeToWhite() { NkFader1->FadeToColor(255, 255, 255, 1.0f); }
  // Frame brackets shared by the screens: clear and begin, and end and present.
  void beginFrame();
  void endFrame();
  void drawBackground(const char* image, int pattern);
  void newKeyCursor();
  void clearKeyReleased() { GameState.KeyReleased.fill(false); }
  // Whether the key was released since it was last acted on; acting on it clears it.
  bool takeReleased(int key) { return std::exchange(GameState.KeyReleased[static_cast<size_t>(key)], false); }
  // Marks every sprite of that name dead and frees the dead.
  void killByName(const std::string& name);
  void freeFirstSprite(int times);
  int32_t introStarted = 0;  // in the time-is-up screen: whether a key was let go
  bool helpWaiting = false, helpClosing = false;
  void startAudio();
  void stopTuneForGood(const std::string& name);

  // What every menu and dialog shares (menu_widgets.cpp).
  void newMenuList();
  void freeMenuList();
  // A keyboard-driven button showing tile 0 of the image; a selectable one shows tile 1 over
  // itself while Selected.
  TNkButton& addMenuButton(int index, const char* image, int x, int y, std::function<void()> action,
                           bool selectable = false);
  // Yes and No at their places, highlighted by the cursor as it moves between them.
  void addYesNo(std::function<void()> yes, std::function<void()> no);
  // The widget's normal look: that tile of the image, the widget sized to the tile.
  TImageListItem* setNormalLook(TNkGUIComponent& widget, const char* image, int32_t pattern);
  TNkEdit& addNameEdit(const char* name, const char* image, int x, int y, const std::string& text);
  void moveMenuFocus(bool withSound);
  // The keys of a menu screen: the arrows move the focus, Enter activates, Escape goes back.
  // True while the screen is still up to be drawn.
  bool menuKeys(const std::function<void()>& back);
  void activateFocused();
  void blinkCaret();
  void beginMenuFrame();
  void killKeyCursor();
  void highlightYesNo(int selected);

  // The menu screens (menus.cpp, options_screen.cpp) and their ticks (menu_tick.cpp).
  void buildMainMenuButtons();
  void openFromMainMenu(Screen state);
  void enterHelp();
  void showHelpPage(const char* image);
  void helpNext();
  void helpPrev();
  void enterOptions();
  void leaveOptions();
  void addSwitch(int index, int y, bool& setting);
  void toggleSwitch(int index, bool& setting);
  void applyOptions();
  void cancelOptions();
  void enterHiScores();
  void enterClearTable();
  void enterExitConfirm();
  void enterExitScreen();
  // Help, the table and the two confirmations.
  void tickMenuScreen();
  void tickOptions();
  void tickExitScreen();

  // The dialogs over play (dialogs.cpp, score_dialog.cpp).
  void enterQuitDialog();
  void leaveQuitDialog();
  void enterPause();
  void tickQuitDialog();
  void tickPause();
  void enterScoreDialog();
  void leaveScoreDialog();
  void answerScoreDialog(bool send);
  void tickScoreDialog();
  bool typingScoreName = false;  // the score dialog's first phase
};

}  // namespace nk
