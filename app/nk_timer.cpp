#include "app/nk_timer.h"

#include <algorithm>

namespace nk {

TNkTimer::TNkTimer(Application& app) : app_(app) {
  useHighRes_ = app_.clock().queryFrequency(frequency_);
  if (!useHighRes_) {
    app_.clock().setFineResolution(true);
    frequency_ = 1000;
  }
  SetMinFPS(10);
  SetMaxFPS(120);
  SetFPSWarningFrames(10);
  previousIdle_ = app_.idleHandler();
}

TNkTimer::~TNkTimer() {
  if (!useHighRes_) app_.clock().setFineResolution(false);
  if (lossyTimer_ != 0) app_.killTimer(lossyTimer_);
  app_.setIdleHandler(nullptr);
}

int64_t TNkTimer::readClock() const {
  return useHighRes_ ? app_.clock().counter() : static_cast<int64_t>(app_.clock().milliseconds());
}

void TNkTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  if (enabled_) {
    lastFire_ = readClock();
    secondStart_ = lastFire_;
    frameCount_ = 0;
    CurrentFPS = 0;
  }
  rearm();
}

void TNkTimer::SetTargetFPS(int32_t value) {
  if (value == targetFPS_) return;
  targetFPS_ = value;
  if (targetFPS_ > 0) {
    ticksPerTarget_ = static_cast<int32_t>(frequency_ / targetFPS_);
    intervalMs_ = 1000 / targetFPS_;
  }
  rearm();
}

void TNkTimer::SetMaxFPS(int32_t value) {
  if (value == maxFPS_) return;
  maxFPS_ = value;
  if (maxFPS_ > 0) minTicks_ = static_cast<int32_t>(frequency_ / maxFPS_);
}

void TNkTimer::SetMinFPS(int32_t value) {
  if (value == minFPS_) return;
  minFPS_ = value;
  if (minFPS_ > 0) maxTicks_ = static_cast<int32_t>(frequency_ / minFPS_);
}

void TNkTimer::SetFPSWarningFrames(int32_t value) {
  if (value == fpsWarningFrames_) return;
  fpsWarningFrames_ = value;
  slowCount_ = 0;
  FPSWarning = false;
}

void TNkTimer::SetLossyMode(bool value) {
  lossyMode_ = value;
  rearm();
}

// The idle slot is one for the whole application: enabling takes it, disabling empties it even
// when another timer holds it. Callers switch timers by disabling the old one first.
void TNkTimer::rearm() {
  if (lossyTimer_ != 0) {
    app_.killTimer(lossyTimer_);
    lossyTimer_ = 0;
  }
  if (lossyMode_) {
    if (targetFPS_ > 0 && enabled_ && OnTimer) {
      lossyTimer_ = app_.startTimer(intervalMs_, [this] {
        bool done = true;
        onIdle(done);
      });
    }
    app_.setIdleHandler(nullptr);
  } else if (enabled_ && OnTimer) {
    app_.setIdleHandler(this);
  } else {
    app_.setIdleHandler(nullptr);
  }
}

void TNkTimer::fire(double frameDelta, double elapsedSeconds) {
  FrameDelta = static_cast<float>(frameDelta);
  ElapsedSeconds = static_cast<float>(elapsedSeconds);
  if (OnTimer) OnTimer(*this);
  lastFire_ = now_;
  ++frameCount_;
}

void TNkTimer::onIdle(bool& done) {
  if (!enabled_) return;
  done = false;
  now_ = readClock();
  if (now_ - secondStart_ >= frequency_) {
    CurrentFPS = frameCount_;
    frameCount_ = 0;
    secondStart_ = now_;
  }
  int64_t elapsed = now_ - lastFire_;
  const auto ratio = [](int64_t a, int64_t b) {
    return b != 0 ? static_cast<double>(static_cast<long double>(a) / static_cast<long double>(b)) : 0.0;
  };

  if (lossyMode_) {
    fire(ratio(elapsed, ticksPerTarget_), ratio(elapsed, frequency_));
  } else {
    if (minFPS_ > 0 && elapsed > maxTicks_) {
      // A long stall is cut to one step and not caught up.
      elapsed = maxTicks_;
      ++slowCount_;
      if (slowCount_ >= fpsWarningFrames_) {
        FPSWarning = true;
        --slowCount_;
      }
    } else {
      FPSWarning = false;
      slowCount_ = 0;
    }
    const bool capped = maxFPS_ != 0 && elapsed < minTicks_;
    if (!capped) {
      if (targetFPS_ <= 0) {
        const double seconds = ratio(elapsed, frequency_);
        fire(seconds, seconds);
      } else if (elapsed >= ticksPerTarget_) {
        fire(ratio(elapsed, ticksPerTarget_), ratio(elapsed, frequency_));
      }
    }
  }
  if (previousIdle_ != nullptr) previousIdle_->onIdle(done);
}

int64_t TNkTimer::idleDueAt() const {
  if (!enabled_ || lossyMode_) return Application::kNever;
  int64_t wait = maxFPS_ != 0 ? minTicks_ : 0;
  if (targetFPS_ > 0) wait = std::max<int64_t>(wait, ticksPerTarget_);
  int64_t due = lastFire_ + wait;
  if (previousIdle_ != nullptr) due = std::min(due, previousIdle_->idleDueAt());
  return due;
}

}  // namespace nk
