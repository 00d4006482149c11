// The exit promotion screen through the real game window: shown on the way out, its buttons,
// its countdown, and the close that waits for it.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "engine/image_list_item.h"
#include "engine/png_writer.h"
#include "game_fixture.h"
#include "platform/keys.h"
#include "support/bmp_file.h"

namespace nk {
namespace {

// The pictures and the shop link the descriptions below name; small squares made here.
void writeFiles(test::TempDir& dir) {
  const std::vector<uint32_t> pixels(64, 0xFF4080C0u);
  for (const char* name : {"back", "shop", "shop_lit", "exit", "exit_lit"}) {
    dir.write(std::string("wdata/") + name + ".png", *encodePng(8, 8, pixels));
  }
  dir.write("wdata/wait.bmp", test::makeBmp(8, 8, 24, pixels));
  dir.write("wdata/shop.url", "[InternetShortcut]\r\nURL=https://example.org/\r\n");
}

// A shop button at (50, 60) 100 x 30 and the exit button at (510, 420) 120 x 50.
std::string description(int seconds, const std::string& exitPicture = "wdata\\exit.png") {
  return "2\nwdata\\back.png\n"
         "40 40 0 0\n50 60 100 30\nwdata\\shop.png\nwdata\\shop_lit.png\nwdata\\shop.url\n"
         "500 400 0 0\n510 420 120 50\n520 430 0 0\n" +
         exitPicture +
         "\nwdata\\exit_lit.png\nwdata\\wait.bmp\n"
         "400 100\n" +
         std::to_string(seconds) + "\n255 255 0\nTRUE\n30\n";
}

struct ExitScreen : test::Game {
  using Files = std::vector<std::pair<std::string, std::string>>;
  explicit ExitScreen(const std::optional<std::string>& config = description(5), const Files& more = {})
      : Game(Unstarted{}) {
    writeFiles(folder.dir);
    for (const auto& [name, bytes] : more) folder.dir.write(name, bytes);
    if (config) folder.dir.write("wdata/config.ini", *config);
    start(std::nullopt);
  }
  // From the title through the exit confirmation's Yes.
  void leave() {
    for (int key : {vk::Space, vk::Escape, vk::Up, vk::Return}) {
      tap(key);
      frames(1);
    }
  }
  void click(int x, int y, MouseButton button = MouseButton::Left) {
    form->mouseMove(x, y);
    form->mouseDown(button, x, y);
    form->mouseUp(button, x, y);
  }
  // Whether the game asked its window to close and agrees to it now.
  bool closesOn(const std::function<void()>& act) {
    const int before = host.closeRequests;
    act();
    return host.closeRequests > before && form->FormCloseQuery();
  }
  // The screen's pictures the next frame draws, as "name x,y".
  std::vector<std::string> nextFrame() {
    const size_t mark = host.recording().draws.size();
    frames(1);
    std::map<TextureId, std::string> names;
    const TImageListCollection& list = view().ShareList.ImageList();
    for (int i = 0; i < list.Count(); ++i) names[list.Items(i).Texture()] = list.Items(i).Name;
    std::vector<std::string> drawn;
    for (size_t i = mark; i < host.recording().draws.size(); ++i) {
      const RecordingDevice::Draw& d = host.recording().draws[i];
      if (!names.contains(d.texture)) continue;  // the countdown's text
      // Vertices sit half a pixel up and left of the picture's place.
      drawn.push_back(names[d.texture] + " " + std::to_string(std::lround(d.quad[0].x + 0.5f)) + "," +
                      std::to_string(std::lround(d.quad[0].y + 0.5f)));
    }
    return drawn;
  }
  const TShareScreen& screen() const { return view().ShareScreen; }
};

using Frame = std::vector<std::string>;

TEST(ExitScreen, ShowsOnTheWayOutWithTheExitButtonWaiting) {
  ExitScreen g;
  g.leave();
  EXPECT_EQ(g.state(), Screen::ExitScreen);
  EXPECT_EQ(g.host.closeRequests, 0);
  EXPECT_FALSE(g.form->FormCloseQuery());
  EXPECT_EQ(g.nextFrame(),
            (Frame{"wdata\\back.png 0,0", "wdata\\shop.png 50,60", "wdata\\wait.bmp 520,430"}));
}

TEST(ExitScreen, ThePointerLightsTheButtonItIsOverEdgesIncluded) {
  const struct {
    int x, y;
    bool lit;
  } cases[] = {{50, 60, true},   {150, 90, true}, {100, 75, true},
               {151, 90, false}, {49, 60, false}, {150, 91, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    ExitScreen g;
    g.leave();
    g.form->mouseMove(c.x, c.y);
    const Frame frame = g.nextFrame();
    EXPECT_EQ(frame.at(1), c.lit ? "wdata\\shop_lit.png 40,40" : "wdata\\shop.png 50,60");
    EXPECT_EQ(g.screen().Buttons[0].Hover, c.lit);
  }
}

TEST(ExitScreen, AButtonOpensItsFileAtOnceAndTheScreenStays) {
  ExitScreen g;
  g.leave();
  g.frames(10);
  g.click(60, 70, MouseButton::Right);
  EXPECT_TRUE(g.host.journal().opened.empty());
  EXPECT_FALSE(g.closesOn([&] { g.click(60, 70); }));
  EXPECT_EQ(g.host.journal().opened, std::vector<std::string>{"wdata\\shop.url"});
  g.frames(1);
  EXPECT_EQ(g.state(), Screen::ExitScreen);
  // A file gone since the start is not opened.
  std::filesystem::remove("wdata/shop.url");
  g.click(60, 70);
  EXPECT_EQ(g.host.journal().opened.size(), 1u);
}

TEST(ExitScreen, TheExitButtonClosesTheGameOnlyAfterTheCountdown) {
  ExitScreen g(description(2));  // 100 frames
  g.leave();
  g.frames(99);
  EXPECT_EQ(g.screen().Countdown, 1);
  EXPECT_FALSE(g.closesOn([&] { g.click(520, 430); }));
  EXPECT_FALSE(g.form->FormCloseQuery());  // the close box waits too
  g.form->mouseMove(0, 0);
  g.frames(1);  // the count reaches 0; the button wakes after this frame's drawing
  EXPECT_EQ(g.nextFrame(),
            (Frame{"wdata\\back.png 0,0", "wdata\\shop.png 50,60", "wdata\\exit.png 510,420"}));
  EXPECT_TRUE(g.screen().Buttons[1].Active);
  EXPECT_TRUE(g.closesOn([&] { g.click(520, 430); }));
}

TEST(ExitScreen, TheCountdownShowsFiveOnlyForTenFramesAfterWhichEachSecondIsAHundred) {
  ExitScreen g;  // five seconds
  g.leave();
  std::map<int32_t, int> framesShowing;
  for (int i = 0; i < 500; ++i) {
    g.frames(1);
    ++framesShowing[g.screen().CountdownNumber()];
  }
  EXPECT_EQ(framesShowing,
            (std::map<int32_t, int>{{5, 10}, {4, 100}, {3, 100}, {2, 100}, {1, 89}, {0, 101}}));
}

TEST(ExitScreen, ACountdownOfOneSecondLetsTheExitButtonWorkFromTheFirstFrame) {
  ExitScreen g(description(1));
  g.leave();
  EXPECT_EQ(g.host.closeRequests, 0);
  g.frames(1);
  EXPECT_EQ(g.screen().CountdownNumber(), 0);
  EXPECT_TRUE(g.screen().Buttons[1].Active);
  EXPECT_TRUE(g.closesOn([&] { g.click(630, 470); }));
}

TEST(ExitScreen, AnythingWrongWithTheDescriptionClosesTheGameAtOnce) {
  // A good picture outside the game's folder.
  test::TempDir elsewhere;
  elsewhere.write("exit.png", *encodePng(8, 8, std::vector<uint32_t>(64, 0xFF000000u)));
  const struct {
    const char* what;
    std::optional<std::string> config;
    ExitScreen::Files more = {};
  } cases[] = {
      {"no description", std::nullopt},
      {"empty description", ""},
      {"ends before the countdown", description(5).substr(0, description(5).find("400 100"))},
      {"two spaces in a number line", "2\nwdata\\back.png\n40  40 0 0\n"},
      {"malformed count", "two\n"},
      {"missing picture", description(5, "wdata\\gone.png")},
      {"picture that does not decode",
       description(5, "wdata\\broken.png"),
       {{"wdata/broken.png", "not a PNG"}}},
      {"picture of another kind", description(5, "wdata\\exit.gif"), {{"wdata/exit.gif", "GIF89a"}}},
      {"picture by its full name", description(5, elsewhere.file("exit.png"))},
      {"picture above the game folder",
       description(5, "..\\" + elsewhere.path().filename().string() + "\\exit.png")},
      {"no countdown", description(0)},
      {"a whole description, then an endless line", description(5) + std::string(3 << 20, 'x')},
      {"a whole description, then endless empty lines", description(5) + std::string(3 << 20, '\n')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExitScreen g(c.config, c.more);
    EXPECT_FALSE(g.screen().Valid);
    EXPECT_FALSE(g.screen().Problem.empty());
    EXPECT_EQ(g.state(), Screen::Title);  // start-up went on
    g.leave();
    EXPECT_EQ(g.state(), Screen::ExitScreen);
    EXPECT_EQ(g.host.closeRequests, 1);
    EXPECT_TRUE(g.form->FormCloseQuery());
  }
}

TEST(ExitScreen, APictureTooLargeForTheScreenIsRefusedInsteadOfEndingTheGame) {
  test::Game g{test::Game::Unstarted{}};
  writeFiles(g.folder.dir);
  g.folder.dir.write("wdata/config.ini", description(5, "wdata\\huge.png"));
  g.folder.dir.write("wdata/huge.png", *encodePng(4097, 1, std::vector<uint32_t>(4097, 0xFF000000u)));
  g.start(std::nullopt);
  EXPECT_FALSE(g.view().ShareScreen.Valid);
  EXPECT_EQ(g.host.quitRequests, 0);
  EXPECT_TRUE(g.host.journal().messages.empty());
}

}  // namespace
}  // namespace nk
