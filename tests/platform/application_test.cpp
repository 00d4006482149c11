#include "platform/application.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace nk {
namespace {

TEST(ApplicationTimers, FireOncePerDuePassWithoutCatchingUp) {
  VirtualClock clock;
  Application app(clock);
  int ticks = 0;
  app.startTimer(1000, [&] { ++ticks; });
  clock.advanceMs(999);
  app.idle();
  EXPECT_EQ(ticks, 0);
  clock.advanceMs(1);
  app.idle();
  EXPECT_EQ(ticks, 1);
  clock.advanceMs(5000);  // a long stall gives one firing, not five
  app.idle();
  EXPECT_EQ(ticks, 2);
  clock.advanceMs(999);
  app.idle();
  EXPECT_EQ(ticks, 2);
}

TEST(ApplicationTimers, AHandlerMayKillATimerDueInTheSamePass) {
  VirtualClock clock;
  Application app(clock);
  int second = 0;
  Application::TimerId b = 0;
  app.startTimer(10, [&] { app.killTimer(b); });
  b = app.startTimer(10, [&] { ++second; });
  clock.advanceMs(10);
  app.idle();
  EXPECT_EQ(second, 0);
}

TEST(ApplicationErrors, ExceptionsFromHandlersGoToTheErrorReport) {
  VirtualClock clock;
  Application app(clock);
  std::string reported;
  app.setErrorReport([&](const std::string& text) { reported = text; });
  app.startTimer(1, [] { throw std::runtime_error("disk on fire"); });
  clock.advanceMs(1);
  app.idle();
  EXPECT_EQ(reported, "disk on fire");
}

}  // namespace
}  // namespace nk
