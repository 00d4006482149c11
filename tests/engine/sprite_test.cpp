#include <gtest/gtest.h>

#include "engine/nk_round.h"
#include "engine/nk_sprite.h"
#include "engine/sprite.h"
#include "screen_fixture.h"

namespace nk {
namespace {

using test::ScreenFixture;

struct SpriteFixture : ScreenFixture {
  TNkSprite engine{messages};
  template <typename T = TSprite>
  T* make(int z = 0, const char* name = "") {
    auto* s = new T(engine);  // the engine owns it
    s->SetZ(z);
    s->SetName(name);
    return s;
  }
  std::vector<std::string> order() const {
    std::vector<std::string> names;
    for (int i = 0; i < engine.Count(); ++i) names.push_back(engine.Items(i)->Name);
    return names;
  }
};

// Remembers who it touched and where.
struct Toucher : TSprite {
  using TSprite::TSprite;
  void OnCollision(TSprite& other, int x, int y) override { hits.push_back({other.Name, x, y}); }
  struct Hit {
    std::string with;
    int x, y;
    bool operator==(const Hit&) const = default;
  };
  std::vector<Hit> hits;
};

TEST(SpriteRound, FourDecimalsFirstThenHalvesAwayFromZero) {
  const struct {
    double v;
    int r;
  } cases[] = {{2.5, 3},     {-2.5, -3},   {-0.5, -1}, {0.49994, 0},
               {0.49996, 1}, {2.49996, 3}, {1.4, 1},   {-1.6, -2}};
  for (const auto& c : cases) EXPECT_EQ(NkRound(c.v), c.r) << c.v;
}

TEST(SpriteList, NewSpritesGoBeneathOlderOnesOfTheSameZ) {
  SpriteFixture f;
  f.make(5, "a");
  f.make(5, "b");
  f.make(5, "c");
  f.make(1, "low");
  f.make(9, "high");
  EXPECT_EQ(f.order(), (std::vector<std::string>{"low", "c", "b", "a", "high"}));
  f.engine.Items(1)->SetZ(5);  // the same Z: stays where it is
  EXPECT_EQ(f.order(), (std::vector<std::string>{"low", "c", "b", "a", "high"}));
  f.engine.Items(4)->SetZ(5);
  EXPECT_EQ(f.order(), (std::vector<std::string>{"low", "high", "c", "b", "a"}));
  EXPECT_EQ(f.engine.Items(5), nullptr);
  EXPECT_EQ(f.engine.Items(-1), nullptr);
}

TEST(SpriteList, DeadSpritesStayUntilTheDeadPassAndAreMarkedOnce) {
  SpriteFixture f;
  TSprite* a = f.make(0, "a");
  f.make(0, "b");
  a->Dead();
  a->Dead();
  EXPECT_EQ(f.engine.DeadList().size(), 1u);
  EXPECT_EQ(f.engine.Count(), 2);
  f.engine.Dead();
  EXPECT_EQ(f.order(), (std::vector<std::string>{"b"}));
  EXPECT_TRUE(f.engine.DeadList().empty());
  delete f.engine.Items(0);  // direct destruction leaves the list too
  EXPECT_EQ(f.engine.Count(), 0);
}

TEST(SpriteAnimation, LoopedAndStoppingRuns) {
  SpriteFixture f;
  auto* s = f.make<TSimpleAnimSprite>();
  s->SetAnimStart(4);
  s->AnimCount = 3;
  s->AnimSpeed = 1;
  s->AnimLooped = true;
  s->AnimActive = true;
  std::vector<int> seen;
  for (int i = 0; i < 5; ++i) {
    f.engine.Move(1.0f);
    seen.push_back(s->PatternIndex);
  }
  EXPECT_EQ(seen, (std::vector<int>{5, 6, 4, 5, 6}));

  s->AnimLooped = false;
  s->AnimReverse = true;
  s->SetAnimStart(4);
  s->AnimPos = 6;
  s->AnimActive = true;
  for (int i = 0; i < 4; ++i) f.engine.Move(1.0f);
  EXPECT_EQ(s->PatternIndex, 4);
  EXPECT_FALSE(s->AnimActive);
}

TEST(SpriteAnimation, QuarterSpeedChangesPatternHalfWay) {
  SpriteFixture f;
  auto* s = f.make<TSimpleAnimSprite>();
  s->AnimCount = 3;
  s->AnimSpeed = 0.25f;
  s->AnimLooped = true;
  s->AnimActive = true;
  std::vector<int> seen;
  for (int i = 0; i < 13; ++i) {
    f.engine.Move(1.0f);
    seen.push_back(s->PatternIndex);
  }
  // 0.25 0.5 ... 2 then 2.25 passes the last pattern: straight back to 0, so 2 shows for fewer ticks.
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 1, 1, 1, 2, 2, 2, 0, 0, 1, 1, 1}));
}

TEST(SpriteCollision, RectanglesThatOnlyTouchDoNotCollide) {
  SpriteFixture f;
  auto* a = f.make<Toucher>(0, "a");
  auto* b = f.make<Toucher>(0, "b");
  for (auto* s : {a, b}) s->Collide = true;
  a->SetX(0);
  b->SetX(10);  // a's Right is 10
  f.engine.Collision();
  EXPECT_TRUE(a->hits.empty());
  b->SetX(9.6f);  // rounds to 10 as well
  f.engine.Collision();
  EXPECT_TRUE(a->hits.empty());
  b->SetX(9.4f);
  f.engine.Collision();
  EXPECT_EQ(a->hits, (std::vector<Toucher::Hit>{{"b", 0, 0}}));
  EXPECT_EQ(b->hits, (std::vector<Toucher::Hit>{{"a", 0, 0}}));
  b->Dead();  // the dead are not tested
  f.engine.Collision();
  EXPECT_EQ(a->hits.size(), 1u);
}

TEST(SpriteCollision, PixelTestFindsTheFirstSharedOpaquePixelButNotInTheLastRowOrColumn) {
  SpriteFixture f;
  // Opaque only in the bottom row of a 4 x 4 picture.
  TImageListItem& floor =
      f.addImage("floor", 4, 4, 4, 4, [](int, int y) { return y == 3 ? 0xFF00FF00u : 0u; });
  TImageListItem& block = f.addImage("block", 4, 4, 4, 4);
  f.screen.Initialize();
  auto* a = f.make<Toucher>(0, "a");
  auto* b = f.make<Toucher>(0, "b");
  for (auto* s : {a, b}) {
    s->Collide = s->PixelCheck = true;
  }
  a->SetImage(&floor);
  b->SetImage(&block);
  b->SetX(1);
  b->SetY(1);  // overlap rows 1..3: the floor row is the overlap's last, which is never examined
  f.engine.Collision();
  EXPECT_TRUE(a->hits.empty());
  b->SetY(2.0f);
  b->SetHeight(4);
  a->SetHeight(5);  // now the overlap runs one row past the floor
  f.engine.Collision();
  EXPECT_EQ(a->hits, (std::vector<Toucher::Hit>{{"b", 1, 3}}));
  EXPECT_EQ(b->hits, (std::vector<Toucher::Hit>{{"a", 0, 1}}));
}

TEST(SpriteCollision, PixelOnlyNeedsAPixelHit) {
  SpriteFixture f;
  auto* a = f.make<Toucher>(0, "a");
  auto* b = f.make<Toucher>(0, "b");
  a->Collide = b->Collide = true;
  a->PixelOnly = true;
  f.engine.Collision();  // overlapping rectangles, no images
  EXPECT_TRUE(a->hits.empty());
}

TEST(SpriteDraw, WorldScrollsAllButScreenFixedSpritesAndCullingUsesTheDrawArea) {
  SpriteFixture f;
  TImageListItem& tile = f.addImage("tile", 8, 8, 8, 8);
  f.start();
  auto* world = f.make(0, "world");
  auto* hud = f.make(1, "hud");
  for (auto* s : {world, hud}) {
    s->SetImage(&tile);
    s->SetX(100);
    s->SetY(50);
  }
  hud->ScreenFixed = true;
  f.engine.WorldX = 30.4f;
  f.engine.WorldY = -10;
  f.engine.Draw();
  ASSERT_EQ(f.device().draws.size(), 2u);
  EXPECT_FLOAT_EQ(f.device().draws[0].quad[0].x, 100 - 30 - 0.5f);
  EXPECT_FLOAT_EQ(f.device().draws[0].quad[0].y, 60 - 0.5f);
  EXPECT_FLOAT_EQ(f.device().draws[1].quad[0].x, 100 - 0.5f);

  f.engine.DrawAreaX2 = 80;  // the world sprite at screen x 70 is inside, the HUD one at 100 is not
  f.engine.DrawAreaY2 = 600;
  f.engine.Draw();
  ASSERT_EQ(f.device().draws.size(), 3u);
  EXPECT_FLOAT_EQ(f.device().draws[2].quad[0].x, 70 - 0.5f);
}

TEST(SpriteDraw, AnImageWithoutTextureIsReportedEachTimeAndNothingIsDrawn) {
  SpriteFixture f;
  TImageListItem& tile = f.addImage("tile", 8, 8, 8, 8);  // no device yet: no texture
  auto* s = f.make();
  s->SetImage(&tile);
  f.engine.Draw();
  f.engine.Draw();
  ASSERT_EQ(f.messages.messages.size(), 2u);
  EXPECT_EQ(f.messages.messages[0].text, "No NkImageList assigned to sprite!");
  EXPECT_EQ(f.messages.messages[0].caption, "Error");
}

TEST(SpriteSetters, ImageSizeCornersAndPatternsFollow) {
  SpriteFixture f;
  TImageListItem& sheet = f.addImage("sheet", 30, 20, 10, 10);
  f.screen.Initialize();
  auto* s = f.make();
  s->SetX(2.5f);
  s->SetImage(&sheet);
  EXPECT_EQ(s->Width, 10);
  EXPECT_FLOAT_EQ(s->X3, 12.5f);
  EXPECT_EQ(s->Left, 3);
  EXPECT_EQ(s->Right, 13);
  EXPECT_FLOAT_EQ(s->MidX, 7.5f);
  s->SetPatternIndex(4);
  EXPECT_EQ(s->PatternLeft, 10);
  EXPECT_EQ(s->PatternTop, 10);
  s->SetPatternIndex(9);  // beyond the six patterns
  EXPECT_EQ(s->PatternIndex, 6);
  int l = 0, t = 0, r = 0, b = 0;
  s->GetPatternRect(l, t, r, b);
  EXPECT_EQ(s->PatternIndex, 5);
  EXPECT_EQ((std::array<int, 4>{l, t, r, b}), (std::array<int, 4>{20, 10, 30, 20}));
  s->SetAlpha(120);
  EXPECT_EQ(s->Color3, 0x78FFFFFFu);
}

}  // namespace
}  // namespace nk
