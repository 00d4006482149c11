#include "app/form1.h"

#include <exception>

#include "app/config_file.h"
#include "app/form_screens.h"
#include "app/form_view.h"
#include "app/game_font.h"
#include "app/nk_font_text.h"
#include "app/nk_timer.h"
#include "app/sound_setup.h"
#include "app/window_timer.h"
#include "engine/color.h"
#include "engine/nk_bitmap_font.h"
#include "engine/nk_fader.h"
#include "engine/nk_font.h"
#include "engine/nk_image_list.h"
#include "engine/nk_screen.h"
#include "engine/nk_sprite.h"
#include "platform/files.h"
#include "platform/keys.h"
#include "ui/gui_bitmap_font.h"
#include "ui/nk_edit.h"
#include "ui/nk_gui.h"
#include "ui/share_screen.h"

namespace nk {

namespace {

// After each frame the pads see the screen it left the game on.
std::unique_ptr<TNkTimer> makeFrameTimer(Application& app, int64_t& ticks, PadInput& pads,
                                         TNkTimer::Handler handler) {
  // The settings every frame timer of the window is created with.
  auto timer = std::make_unique<TNkTimer>(app);
  timer->SetEnabled(false);
  timer->SetTargetFPS(0);
  timer->SetMinFPS(10);
  timer->SetMaxFPS(120);
  timer->SetFPSWarningFrames(10);
  timer->SetLossyMode(false);
  timer->OnTimer = [&ticks, &pads, handler = std::move(handler)](TNkTimer& sender) {
    ++ticks;
    handler(sender);
    pads.frame();
  };
  return timer;
}

}  // namespace

TForm1::TForm1(Host& windowHost, FormOptions formOptions)
    : host(windowHost),
      options(std::move(formOptions)),
      Pads({[this](int key, bool down) { down ? keyDown(key) : keyUp(key); },
            [this] { return GameState.ScreenState; }, [this] { return nameBeingEdited(); }}),
      messages(windowHost),
      NkImageList1(std::make_unique<TNkImageList>(messages)),
      ShareList(std::make_unique<TNkImageList>(messages)),
      NkSprite1(std::make_unique<TNkSprite>(messages)),
      world{*NkSprite1, NkImageList1->ImageList(), 1},
      levelBuilder(world, Play, random) {
  NkFont1 = std::make_unique<TNkFont>();
  NkFont2 = std::make_unique<TNkFont>();
  NkFont3 = std::make_unique<TNkFont>();
  NkBitmapFont1 = std::make_unique<TNkBitmapFont>();
  NkFader1 = std::make_unique<TNkFader>();
  NkGUI1 = std::make_unique<TNkGUI>(host.application().clock());
  NkScreen1 = std::make_unique<TNkScreen>(host);
  NkScreen1->CenterX = 400;
  NkScreen1->CenterY = 300;
  NkScreen1->ShowMouseCursor = false;
  NkImageList1->SetNkScreen(*NkScreen1);
  ShareList->SetNkScreen(*NkScreen1);
  for (TNkFont* font : {NkFont1.get(), NkFont2.get(), NkFont3.get()}) font->SetNkScreen(*NkScreen1);
  // Image index 0, white, line space 10, scale 1, no spacing, top-left: the font's own defaults.
  NkBitmapFont1->SetNkScreen(*NkScreen1);
  NkBitmapFont1->SetNkImageList(NkImageList1.get());
  NkFader1->NkScreen = NkScreen1.get();
  NkGUI1->SetNkScreen(*NkScreen1);
  NameEditFont = std::make_unique<TNkBitmapFont>();
  NameEditFont->SetNkScreen(*NkScreen1);
  guiFont = std::make_unique<TGuiBitmapFont>(*NkBitmapFont1);
  nameEditGuiFont = std::make_unique<TGuiBitmapFont>(*NameEditFont);
  NkGUI1->NkBitmapFont = guiFont.get();
  Application& app = host.application();
  NkTimer1 = makeFrameTimer(app, frameTicks_, Pads, [this](TNkTimer& sender) { NkTimer1Timer(sender); });
  GameTimer = makeFrameTimer(app, frameTicks_, Pads, [this](TNkTimer& sender) { GameTimerTimer(sender); });
  AnimTimer = makeFrameTimer(app, frameTicks_, Pads, [this](TNkTimer& sender) { AnimTimerTimer(sender); });
  Timer1 = std::make_unique<TTimer>(app, 1000);
  Timer1->OnTimer = [this] { Timer1Timer(); };
  NkMusic1 = MakeGameEffects(host.audio());
  Sound3D = MakeGameTunes(host.audio());
  Sounds.Connect(NkMusic1.get(), Sound3D.get());
  ShareScreen = std::make_unique<TShareScreen>(
      TShareScreen::Parts{host, *NkScreen1, *ShareList, NkImageList1->ImageList(), *NkFont3});
  nkFont1Text = std::make_unique<NkFontText>(*NkFont1);
  menuFont = std::make_unique<MenuFontSlot>(*nkFont1Text);
  makeScreens();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
  random.seed(options.seed.value_or(seedFromClock()));
  GameState.FullScreen = false;
  GameState.RightHeld = GameState.LeftHeld = false;
  GameState.AppliedFullScreen = GameState.FullScreen;
  GameState.MusicOn = GameState.SoundOn = true;
  GameState.SavedMusicOn = GameState.MusicOn;
  GameState.SavedSoundOn = GameState.SoundOn;
  GameState.PlayerName.clear();
  ResetHiScores(GameState.HiScores);
  GameState.KeyReleased.fill(false);
  NkImageList1->ImageList().LoadFromFile("Data\\data.oil");
  NkScreen1->Width = NkGUI1->ClientWidth = host.device().width();
  NkScreen1->Height = NkGUI1->ClientHeight = host.device().height();
  NkGUI1->ActivateInput();
  NkScreen1->Initialize();
  GameState.HiscoreName.clear();
  GameState.Score = 0;
  GameState.Level = 1;
  GameState.FirstGame = true;
  NkFont1->SetFont("verdana", 10, FontStyle{});
  NkFont1->SetColor(MakeColor(255, 255, 255, 255));
  readConfig();
  BuildGameFont(*NkBitmapFont1, 24);
  ShareScreen->Load();
}

void TForm1::readConfig() {
  if (LoadConfigFile(kConfigFile, GameState) == ConfigLoad::Unreadable) {
    // Start-up goes on with the defaults; the next save replaces the file if it can.
    host.showMessage("Cannot read Config.cfg; the default settings are used.", "Nokturo");
  }
  // The command line's display mode wins over the stored one for this run.
  if (options.fullScreen) GameState.FullScreen = *options.fullScreen;
  if (GameState.FullScreen && !NkScreen1->FullScreen) {
    NkScreen1->ToggleFullScreen();
    GameState.AppliedFullScreen = true;
  }
}

void TForm1::FormShow() {
  NkTimer1->SetEnabled(true);
  // The window shows even when the sound cannot start; the player is told why.
  try {
    startAudio();
  } catch (const std::exception& e) {
    host.application().reportException(e);
  }
  if (options.startLevel) {
    // Straight into a new game, as if Start had been chosen in the main menu.
    EnterState(Screen::MainMenu);
    GameState.Level = *options.startLevel;
    apply(screens_->mainMenu->startGame());
  }
}

void TForm1::startAudio() {
  NkMusic1->Initialize();
  for (size_t i = 0; i < NkMusic1->Songs.Count(); ++i) NkMusic1->Songs.Items(i).SetVolume(20);
  // The menu tune is loaded either way, so switching music on later starts it at once.
  TModListItem* menu = Sound3D->ModList.Find("menumusic");
  menu->Play();
  if (!GameState.MusicOn) menu->Stop();
}

// A device reset leaves the bitmap font on its fallback; coming back to the window brings the
// game's face back.
void TForm1::FormActivate() {
  for (TNkBitmapFont* font : {NkBitmapFont1.get(), NameEditFont.get()}) {
    font->InitDevice();
    font->RebuildFromSystemFont();
  }
}

void TForm1::FormKeyDown(int key) {
  if (key == vk::Right) GameState.RightHeld = true;
  if (key == vk::Left) GameState.LeftHeld = true;
}

void TForm1::FormKeyUp(int key) {
  if (key > 0 && key < 256) GameState.KeyReleased[static_cast<size_t>(key)] = true;
  if (key == vk::Right) GameState.RightHeld = false;
  if (key == vk::Left) GameState.LeftHeld = false;
}

// Only the exit promotion screen listens to the mouse.
void TForm1::FormMouseDown(MouseButton button, int x, int y) {
  if (GameState.ScreenState == Screen::ExitScreen && button == MouseButton::Left)
    screens_->wayOut->click(x, y);
}

TNkEdit* TForm1::nameBeingEdited() {
  const Screen screen = GameState.ScreenState;
  TNkEdit* edit = screens_->menu->ActiveEdit;
  const bool naming = screen == Screen::Options || screen == Screen::ScoreDialog;
  return naming && edit != nullptr && edit->Focused() ? edit : nullptr;
}

void TForm1::keyDown(int virtualKey) {
  NkGUI1->KeyDownMessage(static_cast<uint16_t>(virtualKey));
  FormKeyDown(virtualKey);
}

void TForm1::character(unsigned char cp1251) { NkGUI1->Character(cp1251); }

void TForm1::mouseMove(int x, int y) {
  ShareScreen->PointerAt(x, y);
  NkGUI1->PointerMove(x, y);
}

void TForm1::mouseDown(MouseButton button, int x, int y) {
  if (!NkGUI1->ButtonDown(button)) FormMouseDown(button, x, y);
}

void TForm1::mouseUp(MouseButton button, int, int) { NkGUI1->ButtonUp(button); }

void TForm1::mouseDoubleClick(int x, int y) {
  if (!NkGUI1->ButtonDown(MouseButton::Left, true)) FormMouseDown(MouseButton::Left, x, y);
}

// The close box does nothing until the exit path has run its course.
bool TForm1::FormCloseQuery() {
  return GameState.ScreenState == Screen::ExitScreen && screens_->wayOut->countdownOver();
}

// The window is going away whatever happens.
void TForm1::FormClose() { saveConfigOrReport(); }

void TForm1::FormDestroy() {
  stopTuneForGood("gamemusic");
  stopTuneForGood("menumusic");
  if (fileExists("play.url")) host.shellOpen("play.url", "");
  Sounds.Connect(nullptr, Sound3D.get());
  NkMusic1.reset();
  if (fileExists("fscommand\\wgame.exe")) host.shellOpen("fscommand\\wgame.exe", "target=\"_blank\"");
}

void TForm1::stopTuneForGood(const std::string& name) {
  TModListItem* tune = Sound3D->ModList.Find(name);
  tune->Stop();
  tune->Unload();
}

void TForm1::SaveConfig() { SaveConfigFile(kConfigFile, GameState); }

void TForm1::saveConfigOrReport() {
  try {
    SaveConfig();
  } catch (const std::exception& e) {
    host.application().reportException(e);
  }
}

FormView TForm1::view() const {
  return {GameState,      Play,         *NkSprite1,     *NkGUI1,    *NkScreen1,      *NkFont1,
          *NkBitmapFont1, *NkFader1,    *NkTimer1,      *GameTimer, *AnimTimer,      *Timer1,
          *Sound3D,       Sounds,       *ShareScreen,   *ShareList, *screens_->menu, screens_->help->page(),
          host.device(),  frameTicks(), host.journal(), Pads};
}

}  // namespace nk
