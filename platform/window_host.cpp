#include "platform/window_host.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "codec/cp1251.h"
#include "platform/files.h"
#include "platform/game_controllers.h"
#include "platform/keys.h"
#include "platform/run_signals.h"
#include "platform/sdl_device.h"
#include "platform/shell.h"

namespace nk {

struct WindowHost::Impl {
  SDL_Window* window = nullptr;
  SystemClock clock;
  Application app{clock};
  std::unique_ptr<RenderDevice> device;
  std::unique_ptr<AudioOutput> audio;
  std::unique_ptr<GameControllers> pads;
  bool closeRequested = false;
  bool quit = false;

  ~Impl() {
    pads.reset();
    audio.reset();
    device.reset();
    if (window != nullptr) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  void handle(const SDL_Event& e, WindowEvents& events);
  void waitForWork();
};

std::unique_ptr<WindowHost> WindowHost::create(const std::string& title, int width, int height,
                                               Failure& failure) {
  // The close box is the game's to answer; only a signal quits outright.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    failure.reason = std::string("cannot open a window (") + SDL_GetError() + ")";
    return nullptr;
  }
  // Without a display SDL falls back to drivers that show nothing; only use them when asked to.
  const std::string driver = SDL_GetCurrentVideoDriver() != nullptr ? SDL_GetCurrentVideoDriver() : "";
  if ((driver == "offscreen" || driver == "dummy") && SDL_getenv("SDL_VIDEODRIVER") == nullptr) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    failure.reason = "cannot open a window (no display found)";
    return nullptr;
  }
  auto impl = std::make_unique<Impl>();
  impl->window = SDL_CreateWindow(cp1251ToUtf8(title).c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                  width, height, SDL_WINDOW_HIDDEN);
  if (impl->window == nullptr) {
    failure.reason = std::string("cannot create the window (") + SDL_GetError() + ")";
    return nullptr;
  }
  impl->device = createWindowDevice(impl->window, width, height, impl->clock, failure.reason);
  if (!impl->device) {
    failure.noDevice = true;
    return nullptr;
  }
  std::string audioError;
  impl->audio = openDeviceAudio(audioError);
  if (!impl->audio) {
    // The game plays on without sound rather than not at all.
    std::fprintf(stderr, "nokturo: %s; playing without sound.\n", audioError.c_str());
    impl->audio = makeSilentAudio(impl->clock);
  }
  std::string padProblem;
  impl->pads = GameControllers::start(nativePath(kPadMappingFile), padProblem);
  // Without pads, or without the player's mappings, the keyboard still plays.
  if (!padProblem.empty()) std::fprintf(stderr, "nokturo: %s.\n", padProblem.c_str());
  return std::unique_ptr<WindowHost>(new WindowHost(std::move(impl)));
}

void showMessageWithoutWindow(const std::string& text, const std::string& caption) {
  // Without the video driver SDL only tries other message systems than the display's own.
  const bool video = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, cp1251ToUtf8(caption).c_str(), cp1251ToUtf8(text).c_str(),
                           nullptr);
  if (video) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

WindowHost::WindowHost(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
WindowHost::~WindowHost() = default;

Application& WindowHost::application() { return impl_->app; }
RenderDevice& WindowHost::device() { return *impl_->device; }
AudioOutput& WindowHost::audio() { return *impl_->audio; }

void WindowHost::setCursorVisible(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

void WindowHost::setFullScreen(bool on) {
  SDL_SetWindowFullscreen(impl_->window, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

void WindowHost::requestClose() { impl_->closeRequested = true; }

void WindowHost::requestQuit() { impl_->quit = true; }

void WindowHost::show() {
  SDL_ShowWindow(impl_->window);
  SDL_StartTextInput();
}

void WindowHost::presentMessage(const std::string& text, const std::string& caption) {
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, cp1251ToUtf8(caption).c_str(),
                           cp1251ToUtf8(text).c_str(), impl_->window);
}

void WindowHost::launch(const std::string& file, const std::string& parameters) {
  openWithSystem(nativePath(file), cp1251ToUtf8(parameters));
}

void WindowHost::Impl::handle(const SDL_Event& e, WindowEvents& events) {
  switch (e.type) {
    case SDL_QUIT: quit = true; break;
    case SDL_KEYDOWN:
      if (const int key = virtualKeyFromSdl(e.key.keysym.scancode, e.key.keysym.sym)) {
        events.keyDown(key);
        // Windows also sends these keys as characters.
        if (key == vk::Back || key == vk::Return) events.character(static_cast<unsigned char>(key));
      }
      break;
    case SDL_KEYUP:
      if (const int key = virtualKeyFromSdl(e.key.keysym.scancode, e.key.keysym.sym)) events.keyUp(key);
      break;
    case SDL_TEXTINPUT:
      for (char c : utf8ToCp1251(e.text.text)) events.character(static_cast<unsigned char>(c));
      break;
    // The renderer's logical size makes SDL hand pointer positions over in back-buffer pixels,
    // with the window's scaling and letterbox bars taken off (outside the picture they run past
    // its edges).
    case SDL_MOUSEMOTION: events.mouseMove(e.motion.x, e.motion.y); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const MouseButton b = e.button.button == SDL_BUTTON_LEFT    ? MouseButton::Left
                            : e.button.button == SDL_BUTTON_RIGHT ? MouseButton::Right
                                                                  : MouseButton::Middle;
      if (e.type == SDL_MOUSEBUTTONDOWN) {
        // Every second click of a run counts as a double click, as on Windows.
        if (b == MouseButton::Left && e.button.clicks >= 2 && e.button.clicks % 2 == 0) {
          events.mouseDoubleClick(e.button.x, e.button.y);
        } else {
          events.mouseDown(b, e.button.x, e.button.y);
        }
      } else {
        events.mouseUp(b, e.button.x, e.button.y);
      }
      break;
    }
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_CLOSE) closeRequested = true;
      if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) events.activated();
      if (e.window.event == SDL_WINDOWEVENT_DISPLAY_CHANGED) displayChanged(*device, window);
      break;
    case SDL_RENDER_DEVICE_RESET: markWindowDeviceLost(*device); break;
    default:
      if (pads) pads->handle(e, events);
      break;
  }
}

// Sleeps until the next firing the idle slot or a timer can make, instead of spinning the loop;
// an event ends the wait early and stays in the queue, in the order it came. The last fraction
// of a millisecond is spun here, so frames keep their rate and a pass is a frame or a batch of
// events. A signal does not wake SDL's wait, so no wait is longer than kLongestWaitMs.
void WindowHost::Impl::waitForWork() {
  int64_t frequency = 1000;
  const bool highRes = clock.queryFrequency(frequency);
  const auto now = [&] { return highRes ? clock.counter() : clock.milliseconds(); };
  constexpr int64_t kSpinUs = 300, kLongestWaitMs = 50;
  for (;;) {
    const int64_t due = app.nextWorkAt();
    const int64_t at = now();
    if (due <= at) return;
    const int64_t remainingUs =
        due == Application::kNever ? kLongestWaitMs * 1000 : (due - at) * 1'000'000 / frequency;
    if (remainingUs > 2000) {
      const int64_t timeoutMs = std::min(kLongestWaitMs, (remainingUs - kSpinUs) / 1000);
      if (SDL_WaitEventTimeout(nullptr, static_cast<int>(timeoutMs)) != 0 || quitSignalled() ||
          due == Application::kNever) {
        return;
      }
    } else if (remainingUs > kSpinUs) {
      std::this_thread::sleep_for(std::chrono::microseconds(remainingUs - kSpinUs));
    } else {
      while (now() < due) {}
      return;
    }
  }
}

WindowHost::RunEnd WindowHost::run(WindowEvents& events, std::optional<int64_t> passes,
                                   const std::function<void(int64_t pass)>& afterPass) {
  Impl& s = *impl_;
  RunEnd end;
  if (s.pads) s.pads->openPresent(events);
  for (int64_t pass = 0; !passes || pass < *passes; ++pass) {
    if (!s.closeRequested) s.waitForWork();
    SDL_Event e;
    while (!s.quit && SDL_PollEvent(&e) != 0) s.handle(e, events);
    if (takeDeviceLossRequest()) markWindowDeviceLost(*s.device);
    if (s.quit || quitSignalled()) break;
    end.lastPass = pass;
    if (s.closeRequested) {
      s.closeRequested = false;
      if (events.closeQuery()) {
        events.closing();
        end.closed = true;
        break;
      }
    }
    s.app.idle();
    if (afterPass) afterPass(pass);
  }
  return end;
}

}  // namespace nk
