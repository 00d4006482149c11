// The real game, headless, against the real score server: a house robbed, the game given up, a
// Cyrillic name sent, and the name and score on the page, in the JSON and behind "Онлайн".
#include "planned_route.h"
#include "server/support/report_load.h"
#include "server/support/score_client.h"
#include "server_fixture.h"

namespace nk::scores::test {
namespace {

class GameAgainstServer : public OnEachBackend {};

TEST_P(GameAgainstServer, AGivenUpGameSendsItsNameAndScoreToThePage) {
  auto server = start();
  const auto dir = e2e::gameDir("scores-" + backendName(GetParam()));
  const e2e::PlannedRoute route = e2e::planRoute(dir, 1, 1);
  ASSERT_GT(route.enterPass, 0) << "nk-level route failed";
  // Level 1 robbed; Enter starts level 2's intro, which ends in play 821 passes later. Esc, Yes
  // gives up; the name, Enter, then Up to "Да" and Enter send it. The table comes next: Right to
  // "Онлайн" and Enter.
  const int intro = route.enterPass + 15, play = intro + 830;
  std::string script = route.script;
  for (const auto& [pass, command] : std::vector<std::pair<int, std::string>>{{intro, "tap Enter"},
                                                                              {play, "tap Escape"},
                                                                              {play + 10, "tap Up"},
                                                                              {play + 20, "tap Enter"},
                                                                              {play + 40, "type Зед"},
                                                                              {play + 60, "tap Enter"},
                                                                              {play + 70, "tap Up"},
                                                                              {play + 80, "tap Enter"},
                                                                              {play + 100, "tap Right"},
                                                                              {play + 110, "tap Enter"}})
    script += std::to_string(pass) + " " + command + "\n";
  { std::ofstream(dir / "game.txt") << script; }
  const auto run =
      e2e::runGame({"--headless", "--level", "1", "--seed", "3", "--script", "game.txt", "--frames",
                    std::to_string(play + 130), "--dump", "end.json", "--score-server", server->url()},
                   dir);
  ASSERT_EQ(run.status, 0) << run.stderrText;
  const auto end = e2e::readJson(dir / "end.json");
  EXPECT_EQ(end["ScreenState"], 7) << "the table";
  EXPECT_EQ(end["messages"], nlohmann::json::array()) << "no \"Can't connect to server!\"";
  ASSERT_EQ(end["requests"].size(), 2u);
  const std::string pageTarget = "/cgi/version.pl?prg=Nokturo&show&type=0";
  EXPECT_EQ(end["opened"], nlohmann::json::array({server->url() + pageTarget}));
  const int score = end["Score"];
  EXPECT_GT(score, 1000) << "a safe and a time bonus";

  EXPECT_EQ(listedScores(server->url()), (std::vector<SentReport>{{"Зед", score}}));
  const ScoreClient::Answer page = ScoreClient(server->url()).get(pageTarget);
  EXPECT_EQ(page.status, 200);
  EXPECT_NE(
      page.body.find("<td class=\"name\">Зед</td><td class=\"score\">" + std::to_string(score) + "</td>"),
      std::string::npos);
}

NK_ON_EACH_BACKEND(GameAgainstServer);

}  // namespace
}  // namespace nk::scores::test
