#include "app/nk_timer.h"

#include <gtest/gtest.h>

namespace nk {
namespace {

constexpr int64_t kHz = VirtualClock::kFrequency;

struct TimerFixture : ::testing::Test {
  VirtualClock clock;
  Application app{clock};
  TNkTimer timer{app};
  int fired = 0;

  void SetUp() override {
    timer.OnTimer = [this](TNkTimer&) { ++fired; };
  }
  // One idle pass after moving the clock on by `ticks`.
  void passAfter(int64_t ticks) {
    clock.advance(ticks);
    app.idle();
  }
};

TEST_F(TimerFixture, FiresAtMostOncePerMinimumInterval) {
  timer.SetEnabled(true);
  passAfter(kHz / 120);
  EXPECT_EQ(fired, 1);
  passAfter(kHz / 1000);  // 1 ms later: capped, LastFire untouched
  EXPECT_EQ(fired, 1);
  passAfter(kHz / 120 - kHz / 1000);  // 1/120 s after the firing
  EXPECT_EQ(fired, 2);
}

TEST_F(TimerFixture, LongStallCountsOneSlowFrameAndIsNotCaughtUp) {
  timer.SetEnabled(true);
  passAfter(2 * kHz);
  EXPECT_EQ(fired, 1);
  EXPECT_FLOAT_EQ(timer.ElapsedSeconds, 0.1f);
  EXPECT_FLOAT_EQ(timer.FrameDelta, 0.1f);
  EXPECT_FALSE(timer.FPSWarning);
  passAfter(kHz / 120);  // measured from the real time of the stalled firing
  EXPECT_EQ(fired, 2);
  EXPECT_NEAR(timer.ElapsedSeconds, 1.0 / 120, 1e-6);
}

TEST_F(TimerFixture, TenSlowFramesRaiseTheWarningAndOneNormalFrameClearsIt) {
  timer.SetEnabled(true);
  for (int i = 0; i < 9; ++i) passAfter(kHz);
  EXPECT_FALSE(timer.FPSWarning);
  passAfter(kHz);
  EXPECT_TRUE(timer.FPSWarning);
  passAfter(kHz);  // stays on while frames stay slow
  EXPECT_TRUE(timer.FPSWarning);
  passAfter(kHz / 120);
  EXPECT_FALSE(timer.FPSWarning);
  for (int i = 0; i < 9; ++i) passAfter(kHz);  // the count started again from zero
  EXPECT_FALSE(timer.FPSWarning);
}

TEST_F(TimerFixture, CurrentFpsCountsTheLastWholeSecond) {
  timer.SetEnabled(true);
  for (int i = 0; i < 119; ++i) passAfter(kHz / 120);
  EXPECT_EQ(timer.CurrentFPS, 0);  // the first second is not over yet
  passAfter(kHz / 120);
  EXPECT_EQ(timer.CurrentFPS, 119);  // the window closed before the 120th firing was counted
  for (int i = 0; i < 120; ++i) passAfter(kHz / 120);
  EXPECT_EQ(timer.CurrentFPS, 120);
}

TEST_F(TimerFixture, TargetFpsWaitsForAWholeTargetFrame) {
  timer.SetTargetFPS(30);
  timer.SetEnabled(true);
  passAfter(kHz / 60);
  EXPECT_EQ(fired, 0);
  passAfter(kHz / 60);
  EXPECT_EQ(fired, 1);
  EXPECT_FLOAT_EQ(timer.FrameDelta, 1.0f);
  EXPECT_FLOAT_EQ(timer.ElapsedSeconds, 1.0f / 30);
}

TEST_F(TimerFixture, DisabledTimerDoesNothing) {
  passAfter(kHz);
  EXPECT_EQ(fired, 0);
  EXPECT_EQ(app.idleHandler(), nullptr);
}

TEST(TimerSlot, EnablingTakesTheSlotAndDisablingAnyTimerEmptiesIt) {
  VirtualClock clock;
  Application app(clock);
  TNkTimer a(app), b(app);
  int firedA = 0, firedB = 0;
  a.OnTimer = [&](TNkTimer&) { ++firedA; };
  b.OnTimer = [&](TNkTimer&) { ++firedB; };
  a.SetEnabled(true);
  EXPECT_EQ(app.idleHandler(), &a);
  // The wrong order: B takes the slot, then disabling A empties it, so nothing ticks.
  b.SetEnabled(true);
  a.SetEnabled(false);
  EXPECT_EQ(app.idleHandler(), nullptr);
  clock.advance(VirtualClock::kFrequency);
  app.idle();
  EXPECT_EQ(firedA + firedB, 0);
  // The right order: disable the old, enable the new.
  b.SetEnabled(false);
  b.SetEnabled(true);
  clock.advance(VirtualClock::kFrequency);
  app.idle();
  EXPECT_EQ(firedB, 1);
}

TEST(TimerSlot, HandlerMaySwitchTimersForTheNextPass) {
  VirtualClock clock;
  Application app(clock);
  TNkTimer menu(app), game(app);
  int gameFired = 0;
  menu.OnTimer = [&](TNkTimer&) {
    menu.SetEnabled(false);
    game.SetEnabled(true);
  };
  game.OnTimer = [&](TNkTimer&) { ++gameFired; };
  menu.SetEnabled(true);
  clock.advance(VirtualClock::kFrequency / 120);
  app.idle();
  EXPECT_EQ(gameFired, 0);
  EXPECT_EQ(app.idleHandler(), &game);
  clock.advance(VirtualClock::kFrequency / 120);
  app.idle();
  EXPECT_EQ(gameFired, 1);
}

TEST(TimerClock, MillisecondFallbackAsksForFineResolutionForItsLifetime) {
  VirtualClock clock(/*highResolution=*/false);
  Application app(clock);
  {
    TNkTimer timer(app);
    EXPECT_TRUE(clock.fineResolution());
    int fired = 0;
    timer.OnTimer = [&](TNkTimer&) { ++fired; };
    timer.SetEnabled(true);
    clock.advanceMs(8);  // 1000 div 120 = 8 ms
    app.idle();
    EXPECT_EQ(fired, 1);
    EXPECT_FLOAT_EQ(timer.ElapsedSeconds, 0.008f);
  }
  EXPECT_FALSE(clock.fineResolution());
}

TEST(TimerLossy, FiresFromAPeriodicTimerAndLeavesTheIdleSlotEmpty) {
  VirtualClock clock;
  Application app(clock);
  TNkTimer timer(app);
  int fired = 0;
  timer.OnTimer = [&](TNkTimer&) { ++fired; };
  timer.SetTargetFPS(50);  // every 20 ms
  timer.SetLossyMode(true);
  timer.SetEnabled(true);
  EXPECT_EQ(app.idleHandler(), nullptr);
  clock.advanceMs(19);
  app.idle();
  EXPECT_EQ(fired, 0);
  clock.advanceMs(1);
  app.idle();
  EXPECT_EQ(fired, 1);
  EXPECT_FLOAT_EQ(timer.FrameDelta, 1.0f);
  timer.SetEnabled(false);
  clock.advanceMs(100);
  app.idle();
  EXPECT_EQ(fired, 1);
}

TEST(TimerPacing, DueTimeIsTheNextPossibleFiring) {
  VirtualClock clock;
  Application app(clock);
  TNkTimer timer(app);
  timer.OnTimer = [](TNkTimer&) {};
  timer.SetEnabled(true);
  EXPECT_EQ(app.nextWorkAt(), VirtualClock::kFrequency / 120);
  timer.SetTargetFPS(30);
  EXPECT_EQ(app.nextWorkAt(), VirtualClock::kFrequency / 30);
  timer.SetEnabled(false);
  EXPECT_EQ(app.nextWorkAt(), Application::kNever);
}

}  // namespace
}  // namespace nk
