// The game played with a pad: its controls become the keyboard's events, the confirm button's key
// follows the screen, and names are written arcade-style.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "codec/cp1251.h"
#include "game/player.h"
#include "game_fixture.h"

namespace nk {
namespace {

using test::Game;
using test::LevelGame;

// The game with one pad plugged in.
struct PadGame {
  explicit PadGame(Game& game) : g(game) { g.form->padAdded(0, "Test pad"); }
  void down(PadButton b) { g.form->padButton(0, b, true); }
  void up(PadButton b) { g.form->padButton(0, b, false); }
  // Pressed and let go, with a frame after.
  void press(std::initializer_list<PadButton> buttons) {
    for (PadButton b : buttons) {
      down(b);
      up(b);
      g.frames(1);
    }
  }
  bool released(int key) const { return g.view().GameState.KeyReleased[static_cast<size_t>(key)]; }
  std::string name() const { return cp1251ToUtf8(g.view().Menu.ActiveEdit->Text); }
  Game& g;
};

TEST(PadInput, APadAloneFindsItsWayThroughTheMenus) {
  Game g;
  PadGame pad(g);
  pad.press({PadButton::A});
  ASSERT_EQ(g.state(), Screen::MainMenu);
  pad.press({PadButton::DpadDown});
  EXPECT_EQ(g.view().GameState.MenuIndex, 1);
  g.form->padAxis(0, PadAxis::LeftY, kPadAxisMax);
  g.form->padAxis(0, PadAxis::LeftY, 0);
  g.frames(1);
  EXPECT_EQ(g.view().GameState.MenuIndex, 2);
  pad.press({PadButton::B});
  EXPECT_EQ(g.state(), Screen::ExitConfirm);
  pad.press({PadButton::Back});
  EXPECT_EQ(g.state(), Screen::MainMenu);
  for (int i = 0; i < 6 && g.view().GameState.MenuIndex != 0; ++i) pad.press({PadButton::DpadUp});
  pad.press({PadButton::A});  // Start
  EXPECT_EQ(g.state(), Screen::LevelIntro);
}

TEST(PadInput, InPlayTheButtonsAreSpaceCtrlEscapeAndPause) {
  const struct {
    PadButton button;
    int key;
  } cases[] = {{PadButton::A, vk::Space},     {PadButton::X, vk::Control}, {PadButton::B, vk::Escape},
               {PadButton::Back, vk::Escape}, {PadButton::Start, 'P'},     {PadButton::Y, 'P'}};
  LevelGame g(2);
  PadGame pad(g);
  pad.press({PadButton::A});  // Enter: the intro runs
  g.frames(830);
  ASSERT_EQ(g.state(), Screen::Play);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(padButtonName(c.button)));
    g.probe().GameState.KeyReleased.fill(false);
    pad.down(c.button);
    pad.up(c.button);
    EXPECT_TRUE(pad.released(c.key));
    EXPECT_EQ(pad.released(vk::Return), c.key == vk::Return);
  }
  g.frames(1);
  EXPECT_EQ(g.state(), Screen::Pause);  // P let go last: the pause
  pad.press({PadButton::Start});
  EXPECT_EQ(g.state(), Screen::Play);
}

// Held across a change of screen, the confirm button's release is dropped: the Enter meant for the
// intro does not take things in play, the Space meant for play does not answer a dialog.
TEST(PadInput, AConfirmReleaseNeverActsOnAnotherScreen) {
  LevelGame g(2);
  PadGame pad(g);
  pad.press({PadButton::A});
  g.frames(400);
  pad.down(PadButton::A);  // during the intro's own run
  g.frames(430);
  ASSERT_EQ(g.state(), Screen::Play);
  pad.up(PadButton::A);
  EXPECT_FALSE(pad.released(vk::Space));
  EXPECT_FALSE(pad.released(vk::Return));

  pad.down(PadButton::A);  // in play, then B opens the quit dialog
  pad.press({PadButton::B});
  ASSERT_EQ(g.state(), Screen::QuitDialog);
  pad.up(PadButton::A);
  g.frames(2);
  EXPECT_EQ(g.state(), Screen::QuitDialog);
  EXPECT_FALSE(pad.released(vk::Return));

  pad.press({PadButton::B});  // back in play
  ASSERT_EQ(g.state(), Screen::Play);
  pad.down(PadButton::A);
  pad.press({PadButton::B, PadButton::B});  // to the dialog and back before letting go
  ASSERT_EQ(g.state(), Screen::Play);
  pad.up(PadButton::A);
  EXPECT_FALSE(pad.released(vk::Space));

  pad.down(PadButton::A);  // pressed and let go in play, it is Space
  pad.up(PadButton::A);
  EXPECT_TRUE(pad.released(vk::Space));
}

TEST(PadInput, ANameIsWrittenArcadeStyleBesideTheKeyboard) {
  Game g;
  PadGame pad(g);
  pad.press({PadButton::A, PadButton::DpadDown, PadButton::A});  // the options
  ASSERT_EQ(g.state(), Screen::Options);
  pad.press({PadButton::DpadUp});  // from Apply to the name
  ASSERT_EQ(g.view().GameState.MenuIndex, 5);
  pad.press({PadButton::A});
  ASSERT_TRUE(g.view().Menu.ActiveEdit->Focused());
  pad.press({PadButton::DpadUp, PadButton::DpadUp});
  EXPECT_EQ(pad.name(), "Б");
  pad.down(PadButton::DpadRight);
  EXPECT_FALSE(g.view().GameState.RightHeld);  // the arrows write the name, nothing else
  pad.up(PadButton::DpadRight);
  g.frames(1);
  pad.press({PadButton::DpadDown});
  EXPECT_EQ(pad.name(), "Б9");
  pad.press({PadButton::DpadLeft});
  EXPECT_EQ(pad.name(), "Б");
  g.type(utf8ToCp1251("ор"));
  g.frames(1);
  EXPECT_EQ(pad.name(), "Бор");
  pad.press({PadButton::DpadRight, PadButton::DpadUp});
  EXPECT_EQ(pad.name(), "БорБ");
  EXPECT_EQ(g.view().GameState.MenuIndex, 5);
  EXPECT_FALSE(pad.released(vk::Up));
  EXPECT_FALSE(pad.released(vk::Right));

  pad.press({PadButton::A});  // done, as Enter is
  EXPECT_FALSE(g.view().Menu.ActiveEdit->Focused());
  pad.press({PadButton::DpadDown});  // the arrows move the focus again
  EXPECT_EQ(g.view().GameState.MenuIndex, 0);
  pad.press({PadButton::A});  // Apply
  EXPECT_EQ(g.state(), Screen::MainMenu);
  EXPECT_EQ(cp1251ToUtf8(g.view().GameState.PlayerName), "БорБ");
}

TEST(PadInput, AHeldUpOrDownKeepsTurningTheLetterAfterAWait) {
  Game g;
  PadGame pad(g);
  pad.press({PadButton::A, PadButton::DpadDown, PadButton::A, PadButton::DpadUp, PadButton::A});
  ASSERT_TRUE(g.view().Menu.ActiveEdit->Focused());
  pad.down(PadButton::DpadUp);
  EXPECT_EQ(pad.name(), "А");
  g.frames(PadInput::kTurnAfter - 1);
  EXPECT_EQ(pad.name(), "А");
  g.frames(1);
  EXPECT_EQ(pad.name(), "Б");
  g.frames(PadInput::kTurnEvery);
  EXPECT_EQ(pad.name(), "В");
  pad.up(PadButton::DpadUp);
  g.frames(PadInput::kTurnAfter * 2);
  EXPECT_EQ(pad.name(), "В");
  // The stick turns it as the D-pad does, down as well.
  g.form->padAxis(0, PadAxis::LeftY, kPadAxisMax);
  g.frames(PadInput::kTurnAfter);
  g.form->padAxis(0, PadAxis::LeftY, 0);
  g.frames(PadInput::kTurnAfter);
  EXPECT_EQ(pad.name(), "А");
  EXPECT_EQ(g.view().GameState.MenuIndex, 5);
}

// A pad pulled out while the burglar walks leaves no arrow held, and shows no more in the list.
TEST(PadInput, APadPulledOutLetsGoOfWhatItHeld) {
  LevelGame g(2);
  PadGame pad(g);
  pad.press({PadButton::A});
  g.frames(830);
  ASSERT_EQ(g.state(), Screen::Play);
  pad.down(PadButton::DpadRight);
  g.frames(20);
  EXPECT_TRUE(g.view().GameState.RightHeld);
  EXPECT_EQ(DescribePads(g.view().Pads),
            nlohmann::json::parse(R"([{"id": 0, "name": "Test pad", "held": ["dpright"]}])"));
  g.form->padRemoved(0);
  EXPECT_FALSE(g.view().GameState.RightHeld);
  g.frames(1);
  const int stoppedAt = g.view().Play.player->RoomPosition;
  g.frames(30);
  EXPECT_EQ(g.view().Play.player->RoomPosition, stoppedAt);
  EXPECT_EQ(DescribePads(g.view().Pads), nlohmann::json::array());
  // Plugged in again, it plays on.
  g.form->padAdded(1, "Test pad");
  g.form->padButton(1, PadButton::DpadLeft, true);
  g.frames(10);
  EXPECT_EQ(g.view().Play.player->RoomPosition, stoppedAt - 10);
}

}  // namespace
}  // namespace nk
