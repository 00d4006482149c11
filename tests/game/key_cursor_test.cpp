#include <gtest/gtest.h>

#include "game/key_cursor.h"
#include "support/screen_print.h"
#include "world_fixture.h"

namespace nk {
namespace {

TEST(KeyCursor, PlacesItselfBesideTheFocusedEntry) {
  test::WorldFixture f;
  test::addPicture(f.images.ImageList(), "cursor", 60, 40, 1);
  TGameState state;
  TKeyCurs cursor(f.world, state);
  int highlighted = -1;
  cursor.OnHighlight = [&](int selected) { highlighted = selected; };
  const struct {
    Screen screen;
    int entry;
    bool mirrored;
    float scale;
    float x, y;
    int highlight;
  } cases[] = {
      {Screen::ExitConfirm, 0, true, 0.4f, 422, 505, 0},
      {Screen::ScoreDialog, 1, false, 0.4f, 335, 395, 1},
      {Screen::MainMenu, 4, false, 0.4f, 60, 360, -1},
      {Screen::Help, 2, true, 0.7f, 325, 410, -1},
      {Screen::Options, 3, false, 1.0f, 420, 209, -1},
      {Screen::Options, 5, false, 0.6f, 330, 392, -1},
      {Screen::Options, 7, false, 1.0f, 330, 392,
       -1},  // an entry the options do not have: scale 1, place kept
      {Screen::HiScores, 1, false, 0.4f, 275, 530, -1},
      {Screen::MainMenu, -1, false, 0.4f, 275, 530, -1},  // -1 in the menu: stays
  };
  for (const auto& c : cases) {
    highlighted = -1;
    state.ScreenState = c.screen;
    state.MenuIndex = c.entry;
    cursor.Move(1);
    EXPECT_EQ(cursor.FlipH, c.mirrored) << c.screen << "/" << c.entry;
    EXPECT_FLOAT_EQ(cursor.ScaleX, c.scale) << c.screen << "/" << c.entry;
    EXPECT_EQ(cursor.X, c.x) << c.screen << "/" << c.entry;
    EXPECT_EQ(cursor.Y, c.y) << c.screen << "/" << c.entry;
    EXPECT_EQ(highlighted, c.highlight) << c.screen << "/" << c.entry;
  }
}

}  // namespace
}  // namespace nk
