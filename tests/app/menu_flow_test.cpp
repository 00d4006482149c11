// The menus, driven from the keyboard through the real game window on a virtual clock.
#include <gtest/gtest.h>

#include "app/config_file.h"
#include "engine/image_list_item.h"
#include "game_fixture.h"

namespace nk {
namespace {

using test::Game;
using vk::Down, vk::Up, vk::Left, vk::Right, vk::Return, vk::Escape, vk::Back, vk::Space;

// Key taps from the title screen to each menu.
const std::initializer_list<int> kToMainMenu = {Space};
const std::initializer_list<int> kToHelp = {Space, Down, Down, Down, Return};
const std::initializer_list<int> kToOptions = {Space, Down, Return};
const std::initializer_list<int> kToTable = {Space, Down, Down, Return};
const std::initializer_list<int> kToClearTable = {Space, Down, Down, Return, Return};
const std::initializer_list<int> kToExit = {Space, Escape};

const TSprite* spriteNamed(const FormView& form, const std::string& name) {
  for (int i = 0; i < form.NkSprite1.Count(); ++i) {
    if (form.NkSprite1.Items(i)->Name == name) return form.NkSprite1.Items(i);
  }
  return nullptr;
}

TEST(MenuFlow, EachMainMenuButtonOpensItsScreen) {
  const struct {
    int downs;
    Screen state;
  } cases[] = {{0, Screen::LevelIntro}, {1, Screen::Options},  {2, Screen::HiScores},
               {3, Screen::Help},       {4, Screen::MainMenu}, {5, Screen::ExitConfirm}};
  for (const auto& c : cases) {
    Game g;
    g.keys(kToMainMenu);
    for (int i = 0; i < c.downs; ++i) g.keys({Down});
    g.keys({Return});
    EXPECT_EQ(g.state(), c.state) << "button " << c.downs;
    // One list of widgets at a time: the old screen's went with it.
    EXPECT_LE(g.view().NkGUI1.Lists().size(), 1u);
  }
}

TEST(MenuFlow, MoreGamesOpensItsLinkOnlyWhenItIsThere) {
  for (bool present : {false, true}) {
    Game g;
    if (present) g.folder.dir.write("moregames.url", "[InternetShortcut]\r\nURL=http://127.0.0.1/\r\n");
    g.keys(kToMainMenu);
    g.keys({Down, Down, Down, Down, Return});
    EXPECT_EQ(g.host.journal().opened,
              present ? std::vector<std::string>{"moregames.url"} : std::vector<std::string>{});
  }
}

TEST(MenuFlow, EscapeGoesBackOneScreen) {
  const struct {
    const char* name;
    std::initializer_list<int> path;
    Screen before, after;
  } cases[] = {{"main menu", kToMainMenu, Screen::MainMenu, Screen::ExitConfirm},
               {"help", kToHelp, Screen::Help, Screen::MainMenu},
               {"options", kToOptions, Screen::Options, Screen::MainMenu},
               {"table", kToTable, Screen::HiScores, Screen::MainMenu},
               {"clear table", kToClearTable, Screen::ClearTable, Screen::HiScores},
               {"exit", kToExit, Screen::ExitConfirm, Screen::MainMenu}};
  for (const auto& c : cases) {
    Game g;
    g.keys(c.path);
    ASSERT_EQ(g.state(), c.before) << c.name;
    g.keys({Escape});
    EXPECT_EQ(g.state(), c.after) << c.name;
    g.frames(2);
    EXPECT_EQ(g.state(), c.after) << c.name << ": one Escape goes back one screen";
  }
}

TEST(MenuFlow, FocusMovesAndWrapsOnEveryScreen) {
  const struct {
    const char* name;
    std::initializer_list<int> path;
    int first;
    std::vector<std::pair<int, int>> steps;  // key, focused entry after it
  } cases[] = {
      {"main menu", kToMainMenu, 0, {{Up, 5}, {Down, 0}, {Down, 1}}},
      {"help", kToHelp, 0, {{Down, 2}, {Left, 1}, {Right, 2}, {Up, 0}, {Right, 0}}},
      {"options", kToOptions, 1, {{Left, 0}, {Up, 5}, {Down, 0}, {Down, 2}, {Up, 1}, {Down, 2}, {Down, 3}}},
      {"table", kToTable, 0, {{Left, 2}, {Right, 0}, {Up, 0}, {Right, 1}}},
      {"clear table", kToClearTable, 0, {{Down, 1}, {Down, 0}, {Up, 1}}},
      {"exit", kToExit, 1, {{Down, 0}, {Up, 1}}},
  };
  for (const auto& c : cases) {
    Game g;
    g.keys(c.path);
    EXPECT_EQ(g.view().GameState.MenuIndex, c.first) << c.name;
    for (const auto& [key, entry] : c.steps) {
      g.keys({key});
      EXPECT_EQ(g.view().GameState.MenuIndex, entry) << c.name << " after key " << key;
    }
  }
}

TEST(MenuFlow, TheYesNoDialogsHighlightTheFocusedButton) {
  Game g;
  g.keys(kToExit);
  g.frames(1);
  EXPECT_FALSE(g.view().Menu.MenuButtons[0]->Selected);
  EXPECT_TRUE(g.view().Menu.MenuButtons[1]->Selected);
  g.keys({Up});
  EXPECT_TRUE(g.view().Menu.MenuButtons[0]->Selected);
  EXPECT_FALSE(g.view().Menu.MenuButtons[1]->Selected);
}

TEST(MenuFlow, HelpTurnsItsThreePagesAndStopsAtBothEnds) {
  Game g(std::nullopt, "", {"scr_help", "scr_help2", "scr_help3"});
  g.keys(kToHelp);
  const struct {
    std::initializer_list<int> keys;
    int page;
    const char* image;
  } steps[] = {
      {{Down, Left, Return}, 2, "scr_help2"},  // Next
      {{Return}, 3, "scr_help3"},
      {{Return}, 3, "scr_help3"},         // Next on the last page
      {{Right, Return}, 2, "scr_help2"},  // Prev
      {{Return}, 1, "scr_help"},
      {{Return}, 1, "scr_help"},  // Prev on the first page
  };
  for (const auto& s : steps) {
    g.keys(s.keys);
    EXPECT_EQ(g.view().HelpPage, s.page);
    const TSprite* page = spriteNamed(g.view(), "scrHelp");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Image->Name, s.image);
    EXPECT_EQ(page->X, 52);
  }
  g.keys({Up, Return});  // Back
  EXPECT_EQ(g.state(), Screen::MainMenu);
  EXPECT_EQ(g.view().NkSprite1.Count(), 1);  // the main menu's cursor only
}

TEST(MenuFlow, TheNameTypedInTheOptionsIsKeptByApplyAndDroppedByCancelOrEscape) {
  const struct {
    const char* leave;
    std::initializer_list<int> keys;
    bool kept;
  } cases[] = {
      {"Apply", {Down, Return}, true}, {"Cancel", {Down, Right, Return}, false}, {"Escape", {Escape}, false}};
  for (const auto& c : cases) {
    Game g;
    g.probe().GameState.PlayerName = "Old";
    g.keys(kToOptions);
    g.keys({Up, Return});  // the name, and start editing
    ASSERT_TRUE(g.view().Menu.ActiveEdit->Focused());
    g.type("\xC2\xEE\xF0\xFB");  // "Воры"
    g.keys({Back});
    EXPECT_EQ(g.view().Menu.ActiveEdit->Text, "Old\xC2\xEE\xF0") << c.leave;
    g.keys({Return});  // stop editing
    EXPECT_FALSE(g.view().Menu.ActiveEdit->Focused());
    g.type("x");  // not editing: not taken
    g.frames(1);
    g.keys(c.keys);
    EXPECT_EQ(g.state(), Screen::MainMenu) << c.leave;
    EXPECT_EQ(g.view().GameState.PlayerName, c.kept ? "Old\xC2\xEE\xF0" : "Old") << c.leave;
    EXPECT_EQ(g.folder.dir.read("Config.cfg").empty(), !c.kept)
        << c.leave << ": only Apply writes Config.cfg";
  }
}

TEST(MenuFlow, TheNameEditTakesTenOfTheFontsCharactersAndBackspaceOnlyWhileEditing) {
  Game g;
  g.keys(kToOptions);
  g.keys({Up, Back});  // not editing yet: nothing to delete
  g.keys({Return});
  // "абв", "xyz" (the font has no Latin letters: "чня", the Russian layout's on those keys),
  // then "гдеёжзийк": ten are taken.
  g.type("\xE0\xE1\xE2xyz\xE3\xE4\xE5\xB8\xE6\xE7\xE8\xE9\xEA");
  g.frames(1);
  const std::string ten = "\xE0\xE1\xE2\xF7\xED\xFF\xE3\xE4\xE5\xB8";
  EXPECT_EQ(g.view().Menu.ActiveEdit->Text, ten);
  g.keys({Back, Back});
  EXPECT_EQ(g.view().Menu.ActiveEdit->Text, ten.substr(0, 8));
  g.keys({Down});  // leaving the edit ends editing
  EXPECT_FALSE(g.view().Menu.ActiveEdit->Focused());
  g.keys({Back});
  EXPECT_EQ(g.view().Menu.ActiveEdit->Text, ten.substr(0, 8));
}

TEST(MenuFlow, OptionSwitchesAndWhatApplyOrCancelMakeOfThem) {
  const struct {
    const char* name;
    std::initializer_list<int> keys;  // from Cancel, ending on Apply or Cancel
    bool fullScreen, musicOn, soundOn;
    std::vector<bool> displayModes;
  } cases[] = {
      {"full screen on, Apply", {Down, Return, Up, Left, Return}, true, true, true, {true}},
      {"full screen twice, Apply", {Down, Return, Return, Up, Left, Return}, false, true, true, {}},
      {"full screen on, Cancel", {Down, Return, Up, Return}, false, true, true, {}},
      {"music off, Apply", {Down, Down, Return, Up, Up, Left, Return}, false, false, true, {}},
      {"sound off, Cancel", {Down, Down, Down, Return, Up, Up, Up, Return}, false, true, true, {}},
      {"sound off, Apply", {Down, Down, Down, Return, Up, Up, Up, Left, Return}, false, true, false, {}},
  };
  for (const auto& c : cases) {
    Game g;
    g.keys(kToOptions);
    g.keys(c.keys);
    const TGameState& s = g.view().GameState;
    EXPECT_EQ(g.state(), Screen::MainMenu) << c.name;
    EXPECT_EQ(s.FullScreen, c.fullScreen) << c.name;
    EXPECT_EQ(s.AppliedFullScreen, c.fullScreen) << c.name;
    EXPECT_EQ(s.MusicOn, c.musicOn) << c.name;
    EXPECT_EQ(s.SoundOn, c.soundOn) << c.name;
    EXPECT_EQ(g.host.displayModes, c.displayModes) << c.name;
    EXPECT_EQ(g.view().Sound3D.ModList.Find("menumusic")->Playing(), c.musicOn) << c.name;
  }
}

TEST(MenuFlow, MusicSwitchedOnAndCancelledFallsSilentAgain) {
  Game g;
  g.probe().GameState.MusicOn = false;
  g.probe().Sound3D.ModList.Find("menumusic")->Stop();
  g.keys(kToOptions);
  g.keys({Down, Down, Return});
  EXPECT_TRUE(g.view().Sound3D.ModList.Find("menumusic")->Playing());
  g.keys({Escape});
  EXPECT_FALSE(g.view().GameState.MusicOn);
  EXPECT_FALSE(g.view().Sound3D.ModList.Find("menumusic")->Playing());
}

TEST(MenuFlow, TheSoundSwitchClicksOnlyWhenItTurnsTheSoundOn) {
  Game g;
  g.keys(kToOptions);
  const size_t before = g.view().Sounds.Played().size();
  g.keys({Down, Down, Down});
  const size_t moves = g.view().Sounds.Played().size();
  EXPECT_EQ(moves - before, 3u);  // "menumove" on each step
  g.keys({Return});
  EXPECT_EQ(g.view().Sounds.Played().size(), moves);
  g.keys({Return});
  ASSERT_EQ(g.view().Sounds.Played().size(), moves + 1);
  EXPECT_EQ(g.view().Sounds.Played().back(), "check");
}

TEST(MenuFlow, ClearingTheTableAsksFirstAndLeavesTheFileAlone) {
  const struct {
    const char* answer;
    std::initializer_list<int> keys;
    bool cleared;
  } cases[] = {{"Yes", {Return}, true}, {"No", {Down, Return}, false}, {"Escape", {Escape}, false}};
  for (const auto& c : cases) {
    Game g;
    g.probe().GameState.HiScores[1] = {"1", "Eve", "99999"};
    g.keys(kToClearTable);
    ASSERT_EQ(g.state(), Screen::ClearTable);
    EXPECT_EQ(g.view().NkSprite1.Count(), 4) << "the table's panel and cursor stay under the dialog";
    g.keys(c.keys);
    EXPECT_EQ(g.state(), Screen::HiScores) << c.answer;
    EXPECT_EQ(g.view().GameState.HiScores[1].Name, c.cleared ? "Anonymous" : "Eve") << c.answer;
    EXPECT_EQ(g.view().NkSprite1.Count(), 2) << c.answer;
    EXPECT_TRUE(g.folder.dir.read("Config.cfg").empty()) << c.answer;
  }
}

TEST(MenuFlow, ExitYesLeavesThroughTheExitScreenAndTheWindowMayClose) {
  Game g;
  g.keys(kToExit);
  EXPECT_FALSE(g.form->FormCloseQuery());
  g.keys({Up, Return});
  EXPECT_EQ(g.state(), Screen::ExitScreen);
  EXPECT_EQ(g.host.closeRequests, 1);
  EXPECT_TRUE(g.form->FormCloseQuery());
  EXPECT_FALSE(g.view().NkGUI1.InputActive());
  g.probe().ShareScreen.Countdown = 3;  // a promotion screen still showing
  EXPECT_FALSE(g.form->FormCloseQuery());
  g.frames(3);
  EXPECT_TRUE(g.form->FormCloseQuery());
}

TEST(MenuFlow, TheWidgetLayerKeepsTheMouseAwayFromTheMenus) {
  Game g;
  g.keys(kToMainMenu);
  const TNkGUIComponent* start = g.view().Menu.MenuButtons[0];
  g.host.clock().advanceMs(20);
  g.form->mouseMove(start->X + 1, start->Y + 1);
  g.form->mouseDown(MouseButton::Left, start->X + 1, start->Y + 1);
  g.form->mouseUp(MouseButton::Left, start->X + 1, start->Y + 1);
  g.frames(1);
  EXPECT_EQ(g.state(), Screen::MainMenu);
  EXPECT_EQ(g.view().NkGUI1.Mouse.HoverID, 0);
}

}  // namespace
}  // namespace nk
