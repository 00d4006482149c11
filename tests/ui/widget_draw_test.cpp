#include <gtest/gtest.h>

#include "engine/screen_fixture.h"
#include "ui/gui_fixture.h"

namespace nk {
namespace {

TEST(WidgetAnimation, StepsThroughItsPatternsAtItsSpeed) {
  const struct {
    const char* name;
    bool loop, reverse;
    int32_t speed;
    std::vector<int32_t> patterns;  // after each draw
    bool finished;
  } cases[] = {
      {"forward once", false, false, 0, {1, 2, 3, 3, 3}, true},
      {"forward once, every second draw", false, false, 25, {0, 1, 1, 2, 2, 3, 3, 3}, true},
      {"forward loop", true, false, 0, {1, 2, 3, 0, 1}, false},
      {"reverse loop", true, true, 0, {2, 1, 3, 2, 1}, false},
      {"reverse once", false, true, 0, {2, 1, 0, 0}, true},
  };
  for (const auto& c : cases) {
    test::GuiFixture f;
    auto& w = f.gui.CreateList().Create<TNkButton>();
    TGuiState& s = w.States[0];
    w.SetStatePattern(0, 0);
    s.AnimCount = 3;
    s.AnimLoop = c.loop;
    s.AnimReverse = c.reverse;
    s.AnimSpeed = c.speed;
    w.ResetAnimation(0);
    std::vector<int32_t> seen;
    for (size_t i = 0; i < c.patterns.size(); ++i) {
      w.Animate(0);
      seen.push_back(s.PatternIndex);
    }
    EXPECT_EQ(seen, c.patterns) << c.name;
    EXPECT_EQ(s.AnimFinished, c.finished) << c.name;
  }
}

TEST(WidgetAnimation, EnteringAndLeavingRestartIt) {
  test::GuiFixture f;
  auto& w = f.gui.CreateList().Create<TNkButton>();
  w.SetStatePattern(1, 2);
  w.States[1].AnimCount = 1;
  w.States[1].AnimLoop = false;
  w.Animate(1);
  w.Animate(1);
  ASSERT_TRUE(w.States[1].AnimFinished);
  w.MouseEnter();
  EXPECT_EQ(w.States[1].PatternIndex, 2);
  EXPECT_FALSE(w.States[1].AnimFinished);
}

// Widgets drawn on a recording device: which quads, where.
struct DrawFixture : test::ScreenFixture {
  DrawFixture() {
    gui.NkBitmapFont = &font;
    addImage("look", 40, 10, 20, 10);
    start();
  }
  TImageListItem* look() { return list.ImageList().Find("look"); }
  test::FakeFont font;
  TNkGUI gui{host.clock()};
};

TEST(WidgetDraw, AButtonStretchesItsLookAndShowsTheOverlayOnlyWhenSelected) {
  for (bool selected : {false, true}) {
    DrawFixture f;
    auto& b = f.gui.CreateList().Create<TNkButton>();
    b.X = 100;
    b.Y = 50;
    b.Width = 60;
    b.Height = 30;
    b.SetStateImage(0, f.look());
    b.SetStateImage(3, f.look());
    b.SetStatePattern(3, 1);
    b.Caption = "ab";
    b.Selected = selected;
    const size_t before = f.device().draws.size();
    f.gui.Draw();
    ASSERT_EQ(f.device().draws.size() - before, selected ? 2u : 1u);
    const QuadVertices& stretched = f.device().draws[before].quad;
    EXPECT_FLOAT_EQ(stretched[0].x, 99.5f);  // the engine's half-pixel edge
    EXPECT_FLOAT_EQ(stretched[2].x, 160);
    EXPECT_FLOAT_EQ(stretched[2].y, 80);
    if (selected) {
      EXPECT_FLOAT_EQ(f.lastQuad()[2].x, 120);  // at its own 20 x 10
    }
    // The caption is centred: 100 + 30 - 10, 50 + 15 - 10.
    ASSERT_EQ(f.font.written.size(), 1u);
    EXPECT_EQ(f.font.written[0].x, 120);
    EXPECT_EQ(f.font.written[0].y, 55);
  }
}

TEST(WidgetDraw, AnEditWritesItsTextAndTheCaretOnlyWhileFocused) {
  for (bool focused : {false, true}) {
    DrawFixture f;
    auto& e = f.gui.CreateList().Create<TNkEdit>();
    e.X = 300;
    e.Y = 400;
    e.Height = 40;
    e.TextMargin = 3;
    e.Text = "abc";
    e.CaretPos = 4;
    if (focused) e.Focus();
    f.gui.Draw();
    ASSERT_EQ(f.font.written.size(), focused ? 2u : 1u);
    EXPECT_EQ(f.font.written[0].x, 303);
    EXPECT_EQ(f.font.written[0].y, 410);  // 400 + 20 - 20 / 2
    if (focused) {
      EXPECT_EQ(f.font.written[1].text, "_");
      EXPECT_EQ(f.font.written[1].x, 333);  // after all three letters
    }
  }
}

}  // namespace
}  // namespace nk
