// The public page in a real browser: Debian's Chromium, headless, reads the page the server
// serves; the names it finds in its DOM are the names the game sent, as text; its screenshots
// stay in the build folder (the README shows the wide one).
#include <fstream>
#include <sstream>

#include "game_run.h"
#include "server/support/score_client.h"
#include "server_fixture.h"

namespace nk::scores::test {
namespace {

// Runs headless Chromium on the URL with a fresh profile; what it printed.
std::string chromium(const std::filesystem::path& dir, const std::string& action, const std::string& url) {
  const std::filesystem::path profile = dir / "profile", out = dir / "chromium.out";
  std::filesystem::remove_all(profile);
  const std::string cmd = "timeout 120 " + e2e::quote(NK_CHROMIUM) +
                          " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
                          " --disable-background-networking --disable-component-update --disable-sync"
                          " --disable-dev-shm-usage --hide-scrollbars --user-data-dir=" +
                          e2e::quote(profile.string()) + " " + action + " " + e2e::quote(url) + " >" +
                          e2e::quote(out.string()) + " 2>" + e2e::quote((dir / "chromium.err").string());
  EXPECT_EQ(std::system(cmd.c_str()), 0) << e2e::readText(dir / "chromium.err");
  return e2e::readText(out);
}

std::string unescaped(std::string text) {
  for (const auto& [entity, character] :
       std::vector<std::pair<std::string, std::string>>{{"&lt;", "<"},
                                                        {"&gt;", ">"},
                                                        {"&quot;", "\""},
                                                        {"&#39;", "'"},
                                                        {"&nbsp;", "\u00a0"},
                                                        {"&amp;", "&"}}) {
    for (size_t at = text.find(entity); at != std::string::npos;
         at = text.find(entity, at + character.size()))
      text.replace(at, entity.size(), character);
  }
  return text;
}

// The text of every name cell in the table with that id, in order, as the DOM holds it.
std::vector<std::string> namesIn(const std::string& dom, const std::string& table) {
  const size_t start = dom.find("<table id=\"" + table + "\""), end = dom.find("</table>", start);
  std::vector<std::string> names;
  if (start == std::string::npos) return names;
  const std::string open = "<td class=\"name\">";
  for (size_t at = dom.find(open, start); at < end; at = dom.find(open, at + 1)) {
    const size_t from = at + open.size();
    names.push_back(unescaped(dom.substr(from, dom.find("</td>", from) - from)));
  }
  return names;
}

class PageInBrowser : public OnEachBackend {};

TEST_P(PageInBrowser, ShowsEveryNameAsTheTextThePlayerTyped) {
  if (std::string(NK_CHROMIUM).empty()) GTEST_SKIP() << "Chromium is not installed";
  auto server = start();
  // Names the game can type, some of them shaped like markup, an entity or SQL.
  const std::vector<std::pair<std::string, int32_t>> sent = {
      {"Зед", 2365}, {"<Ж>&\"'", 1500}, {"&#60;Ж", 1400}, {"Ж'); --", 1300}, {"а|б", 1200}, {"Ёжик 2", 1100}};
  ScoreClient client(server->url());
  for (const auto& [name, score] : sent) ASSERT_EQ(client.send(name, score).body, "OK") << name;

  const auto dir = e2e::freshDir("score-page-" + backendName(GetParam()));
  const std::string page = server->url() + "/cgi/version.pl?prg=Nokturo&show&type=0";
  const std::string dom = chromium(dir, "--dump-dom", page);
  std::vector<std::string> expected;
  for (const auto& entry : sent) expected.push_back(entry.first);
  EXPECT_EQ(namesIn(dom, "all-table"), expected) << dom;
  EXPECT_EQ(namesIn(dom, "week-table"), expected);
  EXPECT_NE(dom.find("<title>Nokturo: рекорды</title>"), std::string::npos) << "read as UTF-8";
  EXPECT_EQ(dom.find("<script"), std::string::npos);

  // Wide, and as a phone shows it.
  for (const auto& [file, size] : std::vector<std::pair<std::string, std::string>>{
           {"score-page", "1100,860"}, {"score-page-phone", "390,844"}}) {
    const std::string shot =
        std::string(NK_SCORE_PAGE_SHOTS) + "/" + file + "-" + backendName(GetParam()) + ".png";
    std::filesystem::remove(shot);
    chromium(dir, "--window-size=" + size + " --screenshot=" + e2e::quote(shot), page);
    EXPECT_GT(std::filesystem::exists(shot) ? std::filesystem::file_size(shot) : 0, 10000u) << shot;
  }
}

// The page is the same whichever store is behind it.
NK_ON_SQLITE(PageInBrowser);

}  // namespace
}  // namespace nk::scores::test
