// A name typed on a Latin layout comes out in the Russian layout's letters of the same keys.
#include <fstream>
#include <sstream>

#include "codec/cp1251.h"
#include "codec/text_codec.h"
#include "window_test.h"

namespace nk::window {
namespace {

class Names : public WindowTest {};

// The name edit of the options screen.
Snapshot nameEdit(const Snapshot& s) {
  for (const auto& w : s["widgets"]) {
    if (w["name"] == "Edit") return w;
  }
  return nullptr;
}

TEST_F(Names, ANameTypedOnAUsLayoutIsSavedInRussianLetters) {
  display().setLayout("us");
  WindowGame& game = start();
  game.waitForState(2);
  game.input().keys({"space"});
  game.waitForState(3);
  game.input().keys({"Down"});
  game.waitFor([](const Snapshot& s) { return s["MenuIndex"] == 1; }, "Options chosen");
  game.input().keys({"Return"});
  game.waitForState(6);
  game.input().keys({"Up", "Return"});  // the name, editing it
  game.waitFor([](const Snapshot& s) { return nameEdit(s)["focused"] == true; }, "the name edit editing");
  game.input().type("ghbdtn");
  game.waitFor([](const Snapshot& s) { return nameEdit(s)["text"] == "привет"; }, "the name typed");
  game.input().keys({"Return"});
  game.waitFor([](const Snapshot& s) { return nameEdit(s)["focused"] == false; }, "editing ended");
  game.input().keys({"Down", "Return"});  // Apply
  EXPECT_EQ(game.waitForState(3)["PlayerName"], "привет");

  // The way out saves it.
  game.input().keys({"Escape"});
  game.waitForState(9);
  game.input().keys({"Up", "Return"});  // Yes; without a promotion screen the window closes
  ASSERT_EQ(game.waitForExit(), 0) << game.log();
  std::ifstream config(folder().path() / "Config.cfg", std::ios::binary);
  std::string line;
  for (int i = 0; i < 4; ++i) std::getline(config, line);
  EXPECT_EQ(cp1251ToUtf8(decodeConfigLine(line)), "привет%%%%");
}

}  // namespace
}  // namespace nk::window
