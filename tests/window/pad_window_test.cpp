// A game controller in the real window: SDL's virtual joystick, plugged in and pulled out while
// the game runs, driven through SDL's own events.
#include <SDL.h>

#include <algorithm>
#include <fstream>

#include "virtual_pad_desc.h"
#include "window_test.h"

namespace nk::window {
namespace {

// The pad the preloaded stand-in makes (virtual_pad.cpp), worked through its command file.
class VirtualPad {
 public:
  explicit VirtualPad(std::filesystem::path file) : file_(std::move(file)) { std::ofstream{file_}; }
  void attach() const { send("attach"); }
  void detach() const { send("detach"); }
  void button(const std::string& name, bool down) const { send("button " + name + (down ? " 1" : " 0")); }
  void axis(const std::string& name, int value) const { send("axis " + name + " " + std::to_string(value)); }
  const std::filesystem::path& file() const { return file_; }

 private:
  void send(const std::string& line) const { std::ofstream(file_, std::ios::app) << line << "\n"; }
  std::filesystem::path file_;
};

class Pad : public WindowTest {
 protected:
  Pad() : pad_(folder().path() / "pad-commands.txt") {}

  WindowGame& startWithPad(std::vector<std::string> args = {}) {
    return start(std::move(args), {{"LD_PRELOAD", NK_VIRTUAL_PAD},
                                   {"NK_VIRTUAL_PAD", pad_.file().string()},
                                   // the stand-in comes before the sanitizer's runtime
                                   {"ASAN_OPTIONS", gameEnvironment(display())["ASAN_OPTIONS"] +
                                                        ":verify_asan_link_order=0"}});
  }
  const VirtualPad& pad() const { return pad_; }

 private:
  VirtualPad pad_;
};

// SDL reads a virtual pad's state once a pass of the game's loop, so a press is held until the
// game has seen it.
// seen: the name of the control as the game maps it, when that is another.
void tap(WindowGame& game, const VirtualPad& pad, const std::string& button, std::string seen = "") {
  if (seen.empty()) seen = button;
  pad.button(button, true);
  game.waitFor(
      [&](const Snapshot& s) {
        const auto& held = s["pads"].empty() ? Snapshot::array() : s["pads"][0]["held"];
        return std::find(held.begin(), held.end(), seen) != held.end();
      },
      seen + " held");
  pad.button(button, false);
}

bool padPluggedIn(const Snapshot& s) {
  return s["pads"].size() == 1 && s["pads"][0]["name"] == "Nokturo virtual pad";
}

// How far along the house the burglar is.
int along(const Snapshot& s) {
  return s["player"]["column"].get<int>() * 200 + s["player"]["roomPosition"].get<int>();
}

TEST_F(Pad, APadThereAtTheStartTakesTheGameFromTheTitle) {
  pad().attach();
  WindowGame& game = startWithPad();
  game.waitFor(padPluggedIn, "the pad plugged in");
  tap(game, pad(), "a");
  game.waitForState(3);
  tap(game, pad(), "dpdown");
  game.waitFor([](const Snapshot& s) { return s["MenuIndex"] == 1; }, "the focus one down");
}

// The virtual pad's GUID as this SDL makes it, from a pad attached here for the moment; written as
// SDL's database writes them, without the check sum of the name.
std::string virtualPadGuid() {
  EXPECT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
  const SDL_VirtualJoystickDesc desc = virtualPadDesc();
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  char guid[33] = {};
  SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(index), guid, sizeof guid);
  SDL_JoystickDetachVirtual(index);
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  return std::string(guid).replace(4, 4, "0000");
}

// The player's gamecontrollerdb.txt in the settings folder maps the pad over SDL's own mapping:
// here A and B change places, and the pad has a name of the player's.
TEST_F(Pad, ThePlayersMappingFileInTheSettingsFolderIsUsed) {
  folder().write("gamecontrollerdb.txt",
                 "# mine\n" + virtualPadGuid() +
                     ",Sofa pad,a:b1,b:b0,x:b2,y:b3,back:b4,start:b6,dpup:b11,"
                     "dpdown:b12,dpleft:b13,dpright:b14,leftx:a0,lefty:a1,platform:Linux,\n");
  pad().attach();
  WindowGame& game = startWithPad();
  const Snapshot plugged = game.waitFor([](const Snapshot& s) { return s["pads"].size() == 1; }, "the pad");
  EXPECT_EQ(plugged["pads"][0]["name"], "Sofa pad");
  tap(game, pad(), "b", "a");  // the pad's second button is its A: the title goes
  game.waitForState(3);
  tap(game, pad(), "a", "b");  // and its first is B: the main menu's Escape
  game.waitForState(9);
}

// Pulled out with an arrow held, the pad leaves none held; plugged in again, it plays on.
TEST_F(Pad, PluggedInAndOutDuringPlayItLeavesNoArrowHeld) {
  const struct {
    const char* what;
    std::function<void(const VirtualPad&)> hold;
    const char* held;
    int pixels;  // signed: to the left when negative
  } cases[] = {
      {"the D-pad", [](const VirtualPad& p) { p.button("dpright", true); }, "RightHeld", 60},
      {"the stick", [](const VirtualPad& p) { p.axis("leftx", -32768); }, "LeftHeld", -30},
  };
  WindowGame& game = startWithPad({"--level", "2"});
  game.waitForState(11);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    pad().attach();
    game.waitFor(padPluggedIn, "the pad plugged in");
    if (game.snapshot()["ScreenState"] == 11) {
      tap(game, pad(), "a");  // Enter: the intro runs into play
      game.waitForState(12);
    }
    const int from = along(game.snapshot());
    c.hold(pad());
    game.waitFor(
        [&](const Snapshot& s) {
          return s[c.held] == true && (along(s) - from) * c.pixels >= c.pixels * c.pixels;
        },
        "the burglar walking");
    pad().detach();
    const Snapshot gone = game.waitFor([](const Snapshot& s) { return s["pads"].empty(); }, "the pad gone");
    EXPECT_EQ(gone["RightHeld"], false);
    EXPECT_EQ(gone["LeftHeld"], false);
    EXPECT_EQ(gone["ScreenState"], 12);
    const int stoppedAt = along(game.waitPasses(2));
    EXPECT_EQ(along(game.waitPasses(60)), stoppedAt);
  }
  // Plugged in a third time, its buttons still reach the game: B gives up, B again plays on.
  pad().attach();
  game.waitFor(padPluggedIn, "the pad plugged in");
  tap(game, pad(), "b");
  game.waitForState(0);
  tap(game, pad(), "back");
  game.waitForState(12);
  EXPECT_EQ(game.terminate(), 0);
}

}  // namespace
}  // namespace nk::window
