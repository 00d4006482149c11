#pragma once
// The base of every window test: a folder and an X display of its own; the game is started in it.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "window_game.h"
#include "x_display.h"

namespace nk::window {

class WindowTest : public testing::Test {
 protected:
  WindowTest()
      : folder_(testing::UnitTest::GetInstance()->current_test_info()->name()),
        display_(folder_.path() / "xvfb.log") {}

  // Starts the game; a test puts its files into folder() and sets the layout before.
  WindowGame& start(std::vector<std::string> args = {}, const std::map<std::string, std::string>& env = {}) {
    game_ = std::make_unique<WindowGame>(display_, folder_, std::move(args), env);
    return *game_;
  }
  const TestFolder& folder() const { return folder_; }
  const XDisplay& display() const { return display_; }

 private:
  TestFolder folder_;
  XDisplay display_;
  std::unique_ptr<WindowGame> game_;  // goes first, before its display
};

}  // namespace nk::window
