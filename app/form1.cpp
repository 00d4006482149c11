#include "app/form1.h"

#include "platform/keys.h"

namespace nk {

namespace {

std::unique_ptr<TNkTimer> makeFrameTimer(Application& app, TNkTimer::Handler handler) {
  // The settings every frame timer of the window is created with.
  auto timer = std::make_unique<TNkTimer>(app);
  timer->SetEnabled(false);
  timer->SetTargetFPS(0);
  timer->SetMinFPS(10);
  timer->SetMaxFPS(120);
  timer->SetFPSWarningFrames(10);
  timer->SetLossyMode(false);
  timer->OnTimer = std::move(handler);
  return timer;
}

}  // namespace

TForm1::TForm1(Host& h, FormOptions opts) : host(h), options(std::move(opts)) {
  Application& app = host.application();
  NkTimer1 = makeFrameTimer(app, [this](TNkTimer& t) { NkTimer1Timer(t); });
  GameTimer = makeFrameTimer(app, [this](TNkTimer& t) { GameTimerTimer(t); });
  AnimTimer = makeFrameTimer(app, [this](TNkTimer& t) { AnimTimerTimer(t); });
  Timer1 = std::make_unique<TTimer>(app, 1000);
  Timer1->OnTimer = [this] { Timer1Timer(); };
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
  GameState.KeyReleased.fill(false);
  GameState.HiscoreName.clear();
  GameState.Score = 0;
  GameState.Level = 1;
  GameState.FirstGame = true;
  host.setCursorVisible(false);
}

void TForm1::FormShow() { NkTimer1->SetEnabled(true); }

void TForm1::FormActivate() {}

void TForm1::FormKeyDown(int key) {
  if (key == vk::Right) GameState.RightHeld = true;
  if (key == vk::Left) GameState.LeftHeld = true;
}

void TForm1::FormKeyUp(int key) {
  if (key > 0 && key < 256) GameState.KeyReleased[static_cast<size_t>(key)] = true;
  if (key == vk::Right) GameState.RightHeld = false;
  if (key == vk::Left) GameState.LeftHeld = false;
}

void TForm1::FormMouseDown(MouseButton, int, int) {}

// The close box does nothing until the exit path has run its course.
bool TForm1::FormCloseQuery() { return GameState.ScreenState == 20; }

void TForm1::FormClose() {}

void TForm1::FormDestroy() {}

void TForm1::NkTimer1Timer(TNkTimer&) { drawFrame(); }

void TForm1::GameTimerTimer(TNkTimer&) { drawFrame(); }

void TForm1::AnimTimerTimer(TNkTimer&) { drawFrame(); }

void TForm1::Timer1Timer() {}

void TForm1::drawFrame() {
  RenderDevice& device = host.device();
  device.clear(0);
  device.beginScene();
  device.endScene();
  device.present();
}

}  // namespace nk
