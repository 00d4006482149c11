#pragma once
#include <cstdint>
#include <functional>

#include "platform/application.h"

namespace nk {

// The frame timer: holds the application's idle slot while enabled and fires OnTimer whenever
// enough time has passed on the high-resolution clock (or, in lossy mode, from a periodic timer).
class TNkTimer final : public IdleHandler {
 public:
  using Handler = std::function<void(TNkTimer& sender)>;

  explicit TNkTimer(Application& app);
  ~TNkTimer();
  TNkTimer(const TNkTimer&) = delete;
  TNkTimer& operator=(const TNkTimer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  int32_t TargetFPS() const { return targetFPS_; }
  void SetTargetFPS(int32_t value);
  int32_t MinFPS() const { return minFPS_; }
  void SetMinFPS(int32_t value);
  int32_t MaxFPS() const { return maxFPS_; }
  void SetMaxFPS(int32_t value);
  int32_t FPSWarningFrames() const { return fpsWarningFrames_; }
  void SetFPSWarningFrames(int32_t value);
  bool LossyMode() const { return lossyMode_; }
  void SetLossyMode(bool value);
  // Assigning the handler does not re-arm: set it before enabling, as the window's resource does.
  Handler OnTimer;

  // Updated on each firing.
  float FrameDelta = 0;
  float ElapsedSeconds = 0;
  int32_t CurrentFPS = 0;
  bool FPSWarning = false;

  void onIdle(bool& done) override;
  int64_t idleDueAt() const override;

 private:
  int64_t readClock() const;
  void rearm();
  void fire(double frameDelta, double elapsedSeconds);

  Application& app_;
  bool enabled_ = false;
  int32_t targetFPS_ = 0, minFPS_ = 0, maxFPS_ = 0, fpsWarningFrames_ = 0;
  bool lossyMode_ = false;

  bool useHighRes_ = false;
  int64_t frequency_ = 0;
  int64_t lastFire_ = 0, now_ = 0, secondStart_ = 0;
  int32_t frameCount_ = 0, slowCount_ = 0;
  int32_t ticksPerTarget_ = 0, maxTicks_ = 0, minTicks_ = 0, intervalMs_ = 0;
  Application::TimerId lossyTimer_ = 0;
  IdleHandler* previousIdle_ = nullptr;
};

// The frames pass from one frame timer to another: the old one stops before the new one starts.
inline void HandOver(TNkTimer& from, TNkTimer& to) {
  from.SetEnabled(false);
  to.SetEnabled(true);
}

}  // namespace nk
