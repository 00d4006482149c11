// The window's close box and the way out: the game closes only from its exit screen.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/bmp_file.h"
#include "window_test.h"

namespace nk::window {
namespace {

class ClosingTheWindow : public WindowTest {
 protected:
  // An exit screen without a countdown: a background, and the exit button at (510, 420) 120 x 50.
  void promotionScreen() {
    const auto picture = [](int w, int h, uint32_t argb) {
      return test::makeBmp(w, h, 24, std::vector<uint32_t>(size_t(w) * size_t(h), argb));
    };
    folder().write("wdata/back.bmp", picture(800, 600, 0xFF203040u));
    for (const char* name : {"exit", "exit_lit", "wait"}) {
      folder().write(std::string("wdata/") + name + ".bmp", picture(120, 50, 0xFFE04040u));
    }
    folder().write(
        "wdata/config.ini",
        "1\r\nwdata\\back.bmp\r\n500 410 0 0\r\n510 420 120 50\r\n510 420 0 0\r\n"
        "wdata\\exit.bmp\r\nwdata\\exit_lit.bmp\r\nwdata\\wait.bmp\r\n400 100\r\n1\r\n255 255 0\r\n"
        "TRUE\r\n40\r\n");
  }
  // From the main menu through the exit confirmation's Yes, onto the promotion screen.
  void leave(WindowGame& game) {
    game.input().keys({"Escape"});
    game.waitForState(9);
    game.input().keys({"Up"});
    game.waitFor([](const Snapshot& s) { return s["MenuIndex"] == 0; }, "Yes chosen");
    game.input().keys({"Return"});
    const Snapshot s = game.waitForState(20);
    ASSERT_EQ(s["share"]["valid"], true) << s["share"]["problem"];
    EXPECT_EQ(s["share"]["countdown"], 0);
  }
  // The input the game recorded; a close box it was asked shows as a "close" line.
  std::string recorded() const {
    std::ifstream in(folder().path() / "input.txt");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

TEST_F(ClosingTheWindow, TheCloseBoxIsRefusedInTheMainMenuAndHonouredOnTheExitScreen) {
  promotionScreen();
  WindowGame& game = start({"--record", (folder().path() / "input.txt").string()});
  game.waitForState(2);
  game.input().keys({"space"});
  game.waitForState(3);
  game.input().clickCloseBox();
  game.waitFor([&](const Snapshot&) { return recorded().find(" close\n") != std::string::npos; },
               "the close box asked");
  EXPECT_EQ(game.waitPasses(10)["ScreenState"], 3);
  EXPECT_FALSE(std::filesystem::exists(folder().path() / "Config.cfg"));

  leave(game);
  game.input().clickCloseBox();
  ASSERT_EQ(game.waitForExit(), 0) << game.log();
  EXPECT_EQ(game.finalSnapshot()["ScreenState"], 20);
  EXPECT_TRUE(std::filesystem::exists(folder().path() / "Config.cfg"));
}

TEST_F(ClosingTheWindow, AClickOnTheExitButtonClosesTheGame) {
  promotionScreen();
  WindowGame& game = start();
  game.waitForState(2);
  game.input().keys({"space"});
  game.waitForState(3);
  leave(game);
  game.input().click(570, 445);
  ASSERT_EQ(game.waitForExit(), 0) << game.log();
  EXPECT_TRUE(std::filesystem::exists(folder().path() / "Config.cfg"));
}

}  // namespace
}  // namespace nk::window
