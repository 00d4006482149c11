// Giving up a game: the quit dialog, the score dialog, the table and the online report, through
// the real game window on a virtual clock.
#include <gtest/gtest.h>

#include "app/score_report.h"
#include "codec/text_codec.h"
#include "game_fixture.h"
#include "platform/http_client.h"
#include "support/score_server.h"

namespace nk {
namespace {

using vk::Down, vk::Up, vk::Return, vk::Escape, vk::Back;

constexpr const char* kBob = "\xC1\xEE\xE1";  // "Боб": the name edit takes only the game's letters

// A game in play on a level without the quick help; Escape in play opens the quit dialog.
struct InPlay : test::LevelGame {
  explicit InPlay(int level = 4, std::string server = "") : LevelGame(level, std::move(server)) {
    tap(Return);
    frames(830);
  }
  void openQuitDialog() {
    probe().Timer1.SetEnabled(false);
    form->EnterState(Screen::QuitDialog);
  }
  // Gives up, types the name and answers the sending question.
  void giveUp(const std::string& name, bool send) {
    openQuitDialog();
    keys({Up, Return});
    type(name);
    keys({Return});
    keys(send ? std::initializer_list<int>{Up, Return} : std::initializer_list<int>{Return});
  }
  bool hasSprite(const std::string& name) const {
    for (int i = 0; i < view().NkSprite1.Count(); ++i) {
      if (view().NkSprite1.Items(i)->Name == name) return true;
    }
    return false;
  }
};

TEST(QuitDialog, NoAndEscapeGoBackToPlayWithTheClockRunning) {
  for (int key : {Return, Escape}) {
    InPlay g;
    ASSERT_EQ(g.state(), Screen::Play);
    g.openQuitDialog();
    EXPECT_EQ(g.view().GameState.MenuIndex, 1);  // No first
    EXPECT_TRUE(g.hasSprite("menuexitgame"));
    g.keys({key});
    EXPECT_EQ(g.state(), Screen::Play);
    EXPECT_TRUE(g.view().Timer1.Enabled());
    EXPECT_FALSE(g.hasSprite("menuexitgame"));
    EXPECT_FALSE(g.hasSprite("keycurs"));
    EXPECT_TRUE(g.view().NkGUI1.Lists().empty());
  }
}

TEST(Pause, PFOneOrEscapeEndTheDimmedPause) {
  for (int key : {int{'P'}, vk::F1, Escape}) {
    InPlay g;
    g.probe().Timer1.SetEnabled(false);
    g.form->EnterState(Screen::Pause);
    g.frames(10);
    EXPECT_EQ(g.view().NkScreen1.Red(), 160);
    EXPECT_TRUE(g.hasSprite("pause"));
    g.keys({key});
    EXPECT_EQ(g.state(), Screen::Play);
    EXPECT_EQ(g.view().NkScreen1.Red(), 255);
    EXPECT_TRUE(g.view().Timer1.Enabled());
    EXPECT_FALSE(g.hasSprite("pause"));
  }
}

TEST(ScoreDialog, TheNameIsTypedFirstAndCannotBeEmpty) {
  InPlay g;
  const int64_t presented = g.host.device().presentedFrames();
  g.openQuitDialog();
  g.keys({Up, Return});
  ASSERT_EQ(g.state(), Screen::ScoreDialog);
  EXPECT_GE(g.host.device().presentedFrames() - presented, 300);
  EXPECT_FALSE(g.view().Timer1.Enabled());
  EXPECT_FALSE(g.view().Menu.MenuButtons[0]->Visible);
  EXPECT_TRUE(g.view().Menu.ActiveEdit->Focused());
  g.keys({Return});  // an empty name is not taken
  EXPECT_TRUE(g.view().Menu.ActiveEdit->Visible);
  g.type("\xC2\xEE\xF0 \xC2\xE0\xF1\xFF!!!!");  // "Вор Вася!!!!": 12 characters
  g.frames(1);
  EXPECT_EQ(g.view().Menu.ActiveEdit->Text, "\xC2\xEE\xF0 \xC2\xE0\xF1\xFF!!");
  g.keys({Back, Back, Back});
  g.keys({Return});
  EXPECT_EQ(g.view().GameState.HiscoreName, "\xC2\xEE\xF0 \xC2\xE0\xF1");
  EXPECT_FALSE(g.view().Menu.ActiveEdit->Visible);
  EXPECT_TRUE(g.view().Menu.MenuButtons[0]->Visible && g.view().Menu.MenuButtons[1]->Visible);
  EXPECT_TRUE(g.view().Menu.KeyCursor->Visible);
  const size_t sounds = g.view().Sounds.Played().size();
  g.keys({Down, Down, Up});  // no sound, and round the two buttons
  EXPECT_EQ(g.view().GameState.MenuIndex, 0);
  EXPECT_EQ(g.view().Sounds.Played().size(), sounds);
  EXPECT_TRUE(g.view().Menu.MenuButtons[0]->Selected);
}

TEST(ScoreDialog, ANameTypedOnALatinLayoutComesOutInRussianLetters) {
  InPlay g;
  g.giveUp("ghbdtn", false);
  EXPECT_EQ(g.view().GameState.HiscoreName, "\xEF\xF0\xE8\xE2\xE5\xF2");  // "привет"
}

TEST(ScoreDialog, EitherAnswerRanksTheScoreAndYesReportsIt) {
  enum class Server { None, Answering, Unreachable, Stalling };
  const struct {
    const char* name;
    Server server;
    bool send;
    int32_t score;
    Screen state;
    size_t requests;
    bool cannotConnect;
  } cases[] = {
      {"Yes, server answers", Server::Answering, true, 8100, Screen::HiScores, 2, false},
      {"Yes, server unreachable", Server::Unreachable, true, 8100, Screen::HiScores, 1, true},
      {"Yes, no server", Server::None, true, 8100, Screen::HiScores, 0, true},
      {"Yes, server accepts and never answers", Server::Stalling, true, 8100, Screen::HiScores, 1, true},
      {"No", Server::Answering, false, 8100, Screen::HiScores, 0, false},
      {"Yes, too low for the table", Server::Answering, true, 50, Screen::MainMenu, 2, false},
  };
  for (const auto& c : cases) {
    test::ScoreServer server("OK|a|b|c|77|", c.server == Server::Stalling ? test::ScoreServer::Mode::Stall
                                                                          : test::ScoreServer::Mode::Answer);
    const std::string address = c.server == Server::Answering || c.server == Server::Stalling ? server.url()
                                : c.server == Server::Unreachable
                                    ? "http://127.0.0.1:" + std::to_string(test::unusedLoopbackPort())
                                    : "";
    InPlay g(4, address);
    // The game's client gives up after 10 s; one second is as good a proof and keeps the test short.
    if (c.server == Server::Stalling) g.host.setHttpClient(makeCurlHttpClient(std::chrono::seconds(1)));
    g.probe().GameState.Score = c.score;
    g.giveUp(kBob, c.send);
    const TGameState& s = g.view().GameState;
    EXPECT_EQ(g.state(), c.state) << c.name;
    EXPECT_EQ(s.NewHiScore, c.state == Screen::HiScores) << c.name;
    EXPECT_EQ(s.HiScores[2].Name, c.state == Screen::HiScores ? kBob : "Anonymous") << c.name;
    EXPECT_EQ(s.HiScores[3].Score, "7100") << c.name;
    EXPECT_EQ(g.host.journal().requests.size(), c.requests) << c.name;
    EXPECT_EQ(g.host.journal().messages,
              c.cannotConnect ? std::vector<std::string>{kCannotConnect} : std::vector<std::string>{})
        << c.name;
    // The menu timer runs the screen that follows; the house is gone.
    EXPECT_TRUE(g.view().NkTimer1.Enabled()) << c.name;
    EXPECT_FALSE(g.view().GameTimer.Enabled()) << c.name;
    EXPECT_EQ(g.view().Play.player, nullptr) << c.name;
    EXPECT_EQ(g.view().NkSprite1.Count(), c.state == Screen::HiScores ? 2 : 1) << c.name;
    g.frames(5);
    EXPECT_EQ(g.state(), c.state) << c.name;
  }
}

TEST(ScoreDialog, TheReportDecodesToExactlyWhatWasSent) {
  test::ScoreServer server("OK|a|b|c|77|");
  InPlay g(4, server.url());
  g.probe().GameState.Score = 1200;
  g.probe().GameState.PlayerName = "\xC2\xEE\xF0";
  g.giveUp(kBob, true);
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].target, kVersionQuery);
  const std::string prefix(kReportQuery);
  ASSERT_TRUE(requests[1].target.starts_with(prefix));
  EXPECT_EQ(decodeConfigLine(requests[1].target.substr(prefix.size())),
            "type=0|name=" + std::string(kBob) + "|score=1200|key=X|p=77|add=\xC2\xEE\xF0|z=00");
}

TEST(ScoreDialog, ACookieTheVersionReplySetsComesBackWithTheReport) {
  test::ScoreServer server("OK|a|b|c|77|", test::ScoreServer::Mode::Answer, "visit=41");
  InPlay g(4, server.url());
  g.giveUp(kBob, true);
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_FALSE(requests[0].headers.contains("cookie"));
  EXPECT_EQ(requests[1].headers.count("cookie") == 1 ? requests[1].headers.at("cookie") : "", "visit=41");
}

TEST(ScoreDialog, AGameLostOnTheLastLevelStillTakesItsHouseDown) {
  InPlay g(6);
  ASSERT_EQ(g.state(), Screen::Play);
  g.giveUp(kBob, false);
  EXPECT_EQ(g.state(), Screen::MainMenu);
  EXPECT_EQ(g.view().Play.player, nullptr);
  EXPECT_EQ(g.view().NkSprite1.Count(), 1);
}

TEST(ScoreDialog, TheNextGamesDialogWaitsForItsOwnName) {
  InPlay g;
  g.giveUp(kBob, false);
  ASSERT_EQ(g.state(), Screen::MainMenu);
  g.probe().GameState.MenuIndex = 0;
  g.probe().GameState.Level = 4;  // the house the fixture built
  g.keys({Return});               // Start
  g.tap(Return);
  g.frames(830);
  ASSERT_EQ(g.state(), Screen::Play);
  g.openQuitDialog();
  g.keys({Up, Return});
  g.frames(5);
  EXPECT_EQ(g.state(), Screen::ScoreDialog);
  EXPECT_TRUE(g.view().GameTimer.Enabled());
  EXPECT_EQ(g.view().Menu.ActiveEdit->Text, kBob);  // offered again
}

}  // namespace
}  // namespace nk
