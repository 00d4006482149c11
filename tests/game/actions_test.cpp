#include <gtest/gtest.h>

#include <memory>

#include "audio/sound_board.h"
#include "engine/image_list_item.h"
#include "game/actions.h"
#include "game/world_objects.h"
#include "house_fixture.h"

namespace nk {
namespace {

// A house with the burglar ready for an action, run tick by tick as the action timer runs it.
struct Actions : test::HouseFixture {
  using HouseFixture::HouseFixture;

  void start(Action a) {
    play.stateCounter = 0;
    play.action(a) = 1;
  }
  // One timer tick: the action, then the count.
  ActionEnd tick() {
    const ActionEnd end = RunActionTick(context);
    ++play.stateCounter;
    return end;
  }
  // Runs the action until it is over; the tick it ended on and how.
  std::pair<int32_t, ActionEnd> finish() {
    for (int i = 0; i < 1000; ++i) {
      const int32_t t = play.stateCounter;
      if (const ActionEnd end = tick(); end != ActionEnd::Running) return {t, end};
    }
    return {-1, ActionEnd::Running};
  }
  // Runs ticks up to and including tick `last` of the running action.
  void through(int32_t last) {
    while (play.stateCounter <= last) ASSERT_EQ(tick(), ActionEnd::Running) << play.stateCounter;
  }
  // He walks `pixels` to the right of where he stands.
  void walk(int pixels) {
    builder.ScrollWorld(-pixels, 0);
    player->RoomPosition += pixels;
  }
  std::string image() const { return player->Image != nullptr ? player->Image->Name : ""; }

  TGameState game;
  bool soundOn = true, musicOn = false;
  SoundBoard sounds{soundOn, musicOn};
  ActionContext context{play, builder, world, game, sounds};
};

// Each action in the room it needs, on level 1 (4 rooms a floor, 3 floors, starting in room 1 of
// the ground floor) unless it needs a floor below.
struct Scenario {
  int level;
  std::function<void(LevelFile&)> furnish;
  std::function<void(Actions&)> prepare;
};

Scenario scenarioFor(Action a) {
  auto door = [](int key, bool open) {
    return [key, open](LevelFile& f) {
      f.cell(1, 2).hasDoor = 1;
      f.cell(1, 2).doorKey = key;
      f.cell(1, 2).doorOpen = open ? 1 : 0;
      f.cell(2, 2).lit = 1;
    };
  };
  // In room 2 at his back door, the door of room 1 behind him.
  auto atBackDoor = [](Actions& f) {
    f.walk(200);
    f.play.backDoor->SetX(f.play.backDoor->X + 200);
    f.player->Column = 2;
    f.player->RoomPosition = 0;
    f.walk(3);
  };
  switch (a) {
    case Action::OpenDoor: return {1, door(kNoDoorKey, false), [](Actions& f) { f.walk(150); }};
    case Action::OpenDoorWithKey:
      return {1, door(1, false), [](Actions& f) { f.walk(150), f.player->CarriedKeys[1] = 1; }};
    case Action::MissingKey: return {1, door(1, false), [](Actions& f) { f.walk(150); }};
    case Action::WalkThroughDoor: return {1, door(kNoDoorKey, true), [](Actions& f) { f.walk(150); }};
    case Action::OpenBackDoor: return {1, door(kNoDoorKey, false), atBackDoor};
    case Action::OpenBackDoorWithKey:
      return {1, door(3, false), [atBackDoor](Actions& f) { atBackDoor(f), f.player->CarriedKeys[3] = 1; }};
    case Action::WalkBack: return {1, door(kNoDoorKey, true), atBackDoor};
    case Action::RideLift:
    case Action::LiftArrive:
      return {1,
              [](LevelFile& f) {
                f.cell(1, 2).hasLift = f.cell(3, 0).hasLift = 1;
                f.cell(1, 2).liftTargetColumn = 3;
                f.cell(1, 2).liftTargetRow = 0;
              },
              [](Actions& f) { f.walk(60); }};
    case Action::ClimbUp:
      return {1, [](LevelFile& f) { f.cell(1, 2).hasStairsUp = 1; }, [](Actions& f) { f.walk(100); }};
    case Action::ClimbDown:
      return {2, [](LevelFile& f) { f.cell(1, 1).hasStairsDown = 1; }, [](Actions& f) { f.walk(100); }};
    case Action::TakeKey:
      return {1, [](LevelFile& f) { f.cell(1, 2).hasKey[2] = 1; },
              [](Actions& f) { f.player->TouchedKeyKind = 2; }};
    case Action::TakeMoney:
      return {1, [](LevelFile& f) { f.cell(1, 2).hasMoney[2] = 1; },
              [](Actions& f) { f.player->TouchedMoneyKind = f.room().money[2]->PatternIndex; }};
    case Action::TakeTime: return {1, [](LevelFile& f) { f.cell(1, 2).hasTimePrize = 1; }, [](Actions&) {}};
    case Action::TakeLife:
      return {1, [](LevelFile& f) { f.cell(1, 2).hasLifePrize = 1; }, [](Actions& f) { f.game.Lives = 3; }};
    case Action::CrackSafe:
      return {3, [](LevelFile& f) { f.cell(3, 4).hasSafe = 1; },
              [](Actions& f) { f.player->Money = 40, f.game.Score = 500, f.game.Level = 3; }};
  }
  return {};
}

std::unique_ptr<Actions> ready(Action a) {
  const Scenario s = scenarioFor(a);
  auto f = std::make_unique<Actions>(s.furnish, s.level);
  s.prepare(*f);
  f->game.KeyReleased[32] = true;  // let go during the action
  f->start(a);
  return f;
}

template <typename T>
int countOf(const Actions& f) {
  return static_cast<int>(f.all<T>().size());
}

TEST(Actions, EachEndsOnItsTickWithItsEffects) {
  const auto doorOpened = [](Actions& f) {
    EXPECT_EQ(f.room().stored.doorOpen, 1);
    EXPECT_EQ(f.room().door->PatternIndex, 1);
  };
  // The door of the room on the left, seen from his room as its back door.
  const auto backDoorOpened = [](Actions& f) {
    EXPECT_EQ(f.play.grid.cell(1, 2).stored.doorOpen, 1);
    EXPECT_EQ(f.play.backDoor->PatternIndex, 2);
  };
  const struct {
    Action action;
    int32_t endTick;
    ActionEnd end;
    std::function<void(Actions&)> check;
  } cases[] = {
      {Action::OpenDoor, 233, ActionEnd::BackToPlay, doorOpened},
      {Action::OpenBackDoor, 233, ActionEnd::BackToPlay, backDoorOpened},
      {Action::OpenDoorWithKey, 473, ActionEnd::BackToPlay,
       [doorOpened](Actions& f) {
         doorOpened(f);
         EXPECT_EQ(f.player->CarriedKeys[1], 1);  // a key opens any number of doors
       }},
      {Action::OpenBackDoorWithKey, 473, ActionEnd::BackToPlay, backDoorOpened},
      {Action::WalkThroughDoor, 259, ActionEnd::BackToPlay,
       [](Actions& f) {
         EXPECT_EQ(f.player->Column, 2);
         EXPECT_EQ(f.player->RoomPosition, 0);
         EXPECT_EQ(f.play.grid.cell(1, 2).stored.lit, 0);
         EXPECT_EQ(f.play.grid.cell(1, 2).door, nullptr);
         EXPECT_EQ(f.room().stored.lit, 1);
         EXPECT_EQ(f.play.grid.originX + 2 * 200, 340);  // his new room where the old one was
         EXPECT_EQ(f.play.backDoor->X, 269);
       }},
      {Action::WalkBack, 259, ActionEnd::BackToPlay,
       [](Actions& f) {
         EXPECT_EQ(f.player->Column, 1);
         EXPECT_EQ(f.player->RoomPosition, 129);
         EXPECT_EQ(f.play.grid.originX + 200, 340 - 129);
         EXPECT_EQ(f.play.backDoor->X, 269 - 129);
         EXPECT_EQ(f.play.grid.cell(2, 2).stored.lit, 0);
       }},
      {Action::MissingKey, 75, ActionEnd::BackToPlay,
       [](Actions& f) {
         EXPECT_TRUE(f.play.thinkShown);
         ASSERT_NE(f.play.think, nullptr);
         EXPECT_EQ(f.play.think->Alpha, 148);
         EXPECT_EQ(f.play.think->X, 300 - 168);
         EXPECT_TRUE(f.game.KeyReleased[32]);  // none of the other end steps
       }},
      {Action::ClimbUp, 358, ActionEnd::BackToPlay,
       [](Actions& f) {
         EXPECT_EQ(f.player->Row, 1);
         EXPECT_EQ(f.player->RoomPosition, 115);  // beside the stairs
         EXPECT_EQ(f.player->Y, 260);
         EXPECT_EQ(f.play.grid.cell(1, 2).stored.lit, 0);
         EXPECT_EQ(f.room().stored.lit, 1);
         EXPECT_EQ(f.play.grid.originY + 200, 190);
         EXPECT_EQ(f.play.backDoor->Y, 190);
       }},
      {Action::ClimbDown, 358, ActionEnd::BackToPlay,
       [](Actions& f) {
         EXPECT_EQ(f.player->Row, 2);
         EXPECT_EQ(f.player->RoomPosition, 115);
         EXPECT_EQ(f.player->Y, 260);
         EXPECT_EQ(f.play.grid.originY + 400, 190);
       }},
      {Action::TakeKey, 333, ActionEnd::BackToPlay,
       [](Actions& f) {
         EXPECT_EQ(f.player->CarriedKeys[2], 1);
         EXPECT_EQ(f.room().keys[2], nullptr);
         EXPECT_EQ(f.room().stored.hasKey[2], 0);
         EXPECT_EQ(countOf<TKey>(f), 0);
       }},
      {Action::TakeMoney, 122, ActionEnd::BackToPlay,
       [](Actions& f) {
         const int kind = f.player->TouchedMoneyKind;
         EXPECT_EQ(f.player->Money, kind == 3 ? 100 : 70);
         EXPECT_EQ(f.room().stored.hasMoney[2], 0);
         EXPECT_EQ(countOf<TMoney>(f), 0);
         const auto values = f.all<TValue>();
         ASSERT_EQ(values.size(), 1u);
         EXPECT_EQ(values[0]->X, 310);
         EXPECT_EQ(values[0]->Y, 270);
         EXPECT_EQ(values[0]->PatternIndex, kind);
       }},
      {Action::TakeTime, 122, ActionEnd::BackToPlay,
       [](Actions& f) {
         EXPECT_EQ(f.play.timeMinutes, 1);
         EXPECT_EQ(f.room().timePrize, nullptr);
         EXPECT_EQ(countOf<TPrizTime>(f), 0);
       }},
      {Action::TakeLife, 122, ActionEnd::BackToPlay,
       [](Actions& f) {
         EXPECT_EQ(f.game.Lives, 4);
         EXPECT_EQ(f.room().stored.hasLifePrize, 0);
         EXPECT_EQ(countOf<TPrizLife>(f), 0);
       }},
      {Action::CrackSafe, 550, ActionEnd::SafeCracked,
       [](Actions& f) {
         EXPECT_EQ(f.player->Money, 3040);
         EXPECT_EQ(f.game.Score, 3540);
         EXPECT_TRUE(f.play.SafeTaken);
         EXPECT_EQ(f.play.stateCounter, 1);  // set to 0 for the tally, then counted
         EXPECT_FALSE(f.game.KeyReleased[32]);
         const auto overlays = f.all<TExitMenu>();
         ASSERT_EQ(overlays.size(), 1u);
         EXPECT_EQ(overlays[0]->Name, "seiftake");
         EXPECT_EQ(overlays[0]->Z, 2400);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.action));
    const auto f = ready(c.action);
    const auto [tick, end] = f->finish();
    EXPECT_EQ(tick, c.endTick);
    EXPECT_EQ(end, c.end);
    EXPECT_EQ(f->play.actions, (std::array<uint8_t, kActionCount>{}));
    if (c.action != Action::MissingKey && c.action != Action::CrackSafe) {
      EXPECT_EQ(f->player->Alpha, 255);
      EXPECT_FALSE(f->game.KeyReleased[32]);
      EXPECT_EQ(f->image(), "vor_idet");
    }
    c.check(*f);
  }
}

TEST(Actions, TheBurglarLooksAsTheTicksSay) {
  const struct {
    Action action;
    int32_t tick;  // after this tick has run
    const char* image;
    int frame, alpha;
    float y;
  } cases[] = {
      {Action::OpenDoor, 0, "vor_oglyad", 0, 255, 260},
      {Action::OpenDoor, 209, "vor_oglyad", 6, 255, 260},
      {Action::OpenDoor, 210, "vor_oglyad", 7, 255, 260},
      {Action::OpenDoor, 211, "vor_idet", 0, 255, 260},
      {Action::OpenBackDoor, 211, "vor_idet", 7, 255, 260},  // the back door keeps the frame
      {Action::OpenDoorWithKey, 211, "vor_openwithkey", 0, 255, 260},
      {Action::OpenDoorWithKey, 451, "vor_openwithkey", 8, 255, 260},
      {Action::OpenDoorWithKey, 453, "vor_idet", 0, 255, 260},
      {Action::WalkThroughDoor, 126, "vor_idet", 0, 1, 260},
      {Action::WalkThroughDoor, 127, "vor_idet", 0, 0, 260},
      {Action::WalkThroughDoor, 129, "vor_idet", 0, 1, 260},
      {Action::WalkThroughDoor, 256, "vor_idet", 0, 255, 260},
      {Action::RideLift, 61, "vor_oglyad", 0, 255, 260},
      {Action::RideLift, 271, "vor_idet", 0, 255, 260},
      {Action::RideLift, 398, "vor_idet", 0, 1, 260},
      {Action::RideLift, 399, "vor_idet", 0, 0, 260},
      {Action::ClimbUp, 0, "vor_onstairs", 0, 255, 260},
      {Action::ClimbUp, 10, "vor_onstairs", 1, 255, 250},
      {Action::ClimbUp, 20, "vor_onstairs", 0, 255, 240},
      {Action::ClimbUp, 69, "vor_onstairs", 0, 255, 191},
      {Action::ClimbUp, 197, "vor_onstairs", 0, 1, 191},
      {Action::ClimbUp, 198, "vor_onstairs", 0, 1, 235},
      {Action::ClimbUp, 326, "vor_onstairs", 0, 255, 235},
      {Action::ClimbUp, 357, "vor_onstairs", 1, 255, 206},
      {Action::ClimbDown, 0, "vor_onstairs", 0, 255, 215},
      {Action::ClimbDown, 29, "vor_onstairs", 0, 255, 244},
      {Action::ClimbDown, 157, "vor_onstairs", 0, 1, 244},
      {Action::ClimbDown, 158, "vor_onstairs", 0, 1, 190},
      {Action::ClimbDown, 356, "vor_onstairs", 1, 255, 259},
      {Action::TakeKey, 210, "vor_oglyad", 7, 255, 260},
      {Action::TakeKey, 212, "vor_take", 0, 255, 260},
      {Action::TakeKey, 331, "vor_take", 4, 255, 260},
      {Action::TakeMoney, 120, "vor_take", 4, 255, 260},
      {Action::CrackSafe, 200, "vor_crush", 10, 255, 260},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.action)) + " at " + std::to_string(c.tick));
    const auto f = ready(c.action);
    f->through(c.tick);
    EXPECT_EQ(f->image(), c.image);
    EXPECT_EQ(f->player->PatternIndex, c.frame);
    EXPECT_EQ(f->player->Alpha, c.alpha);
    EXPECT_EQ(f->player->Y, c.y);
  }
}

TEST(Actions, TheLiftOpensCarriesAndClosesThenArrives) {
  const auto f = ready(Action::RideLift);
  TLift* lift = f->room().lift;
  const struct {
    int32_t tick;
    int frame;
  } opening[] = {{0, 1}, {30, 2}, {60, 3}, {419, 3}, {420, 2}, {480, 0}};
  for (const auto& o : opening) {
    f->through(o.tick);
    EXPECT_EQ(lift->PatternIndex, o.frame) << o.tick;
  }
  f->through(518);
  EXPECT_EQ(f->tick(), ActionEnd::Running);  // tick 519
  EXPECT_EQ(f->tick(), ActionEnd::Running);  // 520: over to the arrival
  EXPECT_EQ(f->play.stateCounter, 1);
  EXPECT_EQ(f->play.action(Action::RideLift), 0);
  EXPECT_EQ(f->play.action(Action::LiftArrive), 1);
  EXPECT_EQ(f->player->Column, 3);
  EXPECT_EQ(f->player->Row, 0);
  EXPECT_EQ(f->player->RoomPosition, 60);
  EXPECT_EQ(f->play.grid.originX + 3 * 200, 340 - 60);
  EXPECT_EQ(f->play.grid.originY, 190);
  EXPECT_EQ(f->play.backDoor->X, 269 - 60);
  EXPECT_EQ(f->play.backDoor->Y, 190);
  EXPECT_EQ(f->play.grid.cell(1, 2).stored.lit, 0);

  TLift* arrival = f->room().lift;
  ASSERT_NE(arrival, nullptr);
  const struct {
    int32_t tick;
    int frame, alpha;
  } arriving[] = {{59, 1, 0},    {60, 2, 0},    {101, 2, 2},  {227, 2, 254},
                  {239, 2, 254}, {240, 1, 254}, {270, 0, 254}};
  for (const auto& a : arriving) {
    f->through(a.tick);
    EXPECT_EQ(arrival->PatternIndex, a.frame) << a.tick;
    EXPECT_EQ(f->player->Alpha, a.alpha) << a.tick;
  }
  const auto [tick, end] = f->finish();
  EXPECT_EQ(tick, 300);
  EXPECT_EQ(end, ActionEnd::BackToPlay);
  EXPECT_EQ(f->player->Alpha, 255);
}

TEST(Actions, WalkingIntoAGuardsRoomEndsInTheShotOnceHeIsFullyVisible) {
  Actions f([](LevelFile& file) {
    file.cell(1, 2).hasDoor = file.cell(1, 2).doorOpen = 1;
    file.cell(2, 2).hasGuard = 1;
  });
  f.walk(150);
  f.start(Action::WalkThroughDoor);
  const auto [tick, end] = f.finish();
  EXPECT_EQ(tick, 259);
  EXPECT_EQ(end, ActionEnd::Shot);
  EXPECT_EQ(f.play.stateCounter, 1);  // set to 0 for the shot, then counted
  EXPECT_EQ(f.player->Alpha, 255);
  ASSERT_NE(f.room().guard, nullptr);
  EXPECT_TRUE(f.play.guardFacesPlayer);  // he stands to the burglar's right
}

}  // namespace
}  // namespace nk
