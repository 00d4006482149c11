// The side panel's numbers on the screens that freeze play.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "play_game.h"

namespace nk {
namespace {

using test::PlayGame;

// Remembers every text written and the colour it was written in.
struct RecordingFont final : MenuTextFont {
  struct Written {
    int x, y;
    std::string text;
    uint8_t grey;
  };
  void SetFont(const std::string&, int) override {}
  void SetColor(uint8_t r, uint8_t, uint8_t) override { grey = r; }
  int TextWidth(const std::string& text) override { return 10 * static_cast<int>(text.size()); }
  void TextOut(int x, int y, const std::string& text) override { written.push_back({x, y, text, grey}); }
  uint8_t grey = 0;
  std::vector<Written> written;
};

TEST(SideNumbers, TheFreezeScreensShowLivesMoneyAndLevel) {
  const struct {
    const char* screen;
    int key;  // what brings it up from play, or 0 for the quick help of a first game
    Screen state;
    uint8_t grey;
  } cases[] = {
      {"quick help", 0, Screen::QuickHelp, 255},
      {"quit dialog", vk::Escape, Screen::QuitDialog, 255},
      {"pause", 'P', Screen::Pause, 160},
  };
  for (const auto& c : cases) {
    PlayGame g(1, {});
    if (c.key == 0) {
      g.form->LeaveState(Screen::Play);
      g.probe().GameState.FirstGame = true;
      g.form->EnterState(Screen::Play);
    } else {
      g.press(c.key);
    }
    ASSERT_EQ(g.state(), c.state) << c.screen;
    RecordingFont font;
    MenuTextFont* const gameFont = std::exchange(g.probe().menuFont, &font);
    g.frames(1);
    g.probe().menuFont = gameFont;
    const struct {
      const char* text;
      int y;
    } rows[] = {{"3", 180}, {"0", 264}, {"1", 350}};
    for (const auto& row : rows) {
      const auto it = std::find_if(font.written.begin(), font.written.end(),
                                   [&](const RecordingFont::Written& w) { return w.y == row.y; });
      ASSERT_NE(it, font.written.end()) << c.screen << ": nothing at y " << row.y;
      EXPECT_EQ(it->text, row.text) << c.screen;
      EXPECT_EQ(it->x, 720 - 5) << c.screen;
      EXPECT_EQ(it->grey, c.grey) << c.screen;
    }
  }
}

}  // namespace
}  // namespace nk
