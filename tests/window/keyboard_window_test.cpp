// Keys by their place: with a Russian layout, the keys marked with Latin letters still send the
// codes of those letters, as the game's menus and play expect.
#include "window_test.h"

namespace nk::window {
namespace {

class Keyboard : public WindowTest {};

TEST_F(Keyboard, OnARussianLayoutALetterKeyLeavesTheTitle) {
  display().setLayout("ru");
  WindowGame& game = start();
  game.waitForState(2);
  game.input().keys({"Cyrillic_ef"});  // the key marked A and Ф
  game.waitForState(3);
}

TEST_F(Keyboard, OnARussianLayoutThePKeyPausesPlayAndGoesOnAgain) {
  display().setLayout("ru");
  WindowGame& game = start({"--level", "2"});
  game.waitForState(11);
  game.input().keys({"Return"});
  game.waitForState(12);
  game.input().keys({"Cyrillic_ze"});  // the key marked P and З
  EXPECT_EQ(game.waitForState(16)["timers"]["clock"], false);
  game.input().keys({"Cyrillic_ze"});
  EXPECT_EQ(game.waitForState(12)["timers"]["clock"], true);
}

}  // namespace
}  // namespace nk::window
