// The report as the server takes it: every field checked, and nothing stored unless it all holds.
#include <gtest/gtest.h>

#include <functional>

#include "codec/cp1251.h"
#include "codec/text_codec.h"
#include "server/report.h"
#include "server/support/score_client.h"
#include "service_fixture.h"

namespace nk::scores::test {
namespace {

// A report as the game lays it out, in UTF-8 for the test's reading; `encoded` turns it into the
// game's code page and letters.
std::string sent(const std::string& name, const std::string& score, const std::string& token,
                 const std::string& player = "") {
  return "type=0|name=" + name + "|score=" + score + "|key=X|p=" + token + "|add=" + player + "|z=";
}
std::string padded(std::string report, char fill = '0') {
  report.append((5 - utf8ToCp1251(report).size() % 5) % 5, fill);
  return report;
}
std::string encoded(const std::string& report) { return encodeReport(utf8ToCp1251(report)); }
std::string query(const std::string& letters) { return "/cgi/version.pl?hs&prg=Nokturo&inf=" + letters; }

TEST(Report, GoodReportsAreStoredAsTheGameSentThem) {
  const struct {
    const char* why;
    std::string name, player, stored;
    int32_t score;
  } cases[] = {
      {"a Cyrillic name", "Зед", "", "Зед", 1200},
      {"the options name too", "Зед", "Вор", "Зед", 3100},
      {"ten characters", "АБВГДЕЖЗИЙ", "ЁЪЭЮЯёъэюя", "АБВГДЕЖЗИЙ", 10},
      {"score 0", "Ноль", "", "Ноль", 0},
      {"the highest score allowed", "Макс", "", "Макс", kTestMaxScore},
      {"the separator in the name", "а|б", "", "а|б", 500},
      {"the separator in both names", "|", "||", "|", 600},
      {"HTML in the name, kept as text", "<Ж>&\"'", "", "<Ж>&\"'", 800},
      {"SQL in the name, kept as text", "Ж'); --", "'--", "Ж'); --", 900},
      {"spaces only", "   ", "", "   ", 5},
  };
  for (const auto& c : cases) {
    ServiceFixture f;
    const HttpReply reply =
        f.get(query(encoded(padded(sent(c.name, std::to_string(c.score), f.token(), c.player)))));
    EXPECT_EQ(reply.status, 200) << c.why << ": " << reply.body;
    EXPECT_EQ(reply.body, "OK") << c.why;
    const auto stored = f.store->best(INT64_MIN, 10);
    ASSERT_EQ(stored.size(), 1u) << c.why;
    EXPECT_EQ(stored[0], (StoredScore{c.stored, c.score, kStartOfTime})) << c.why;
  }
}

TEST(Report, BadReportsAreRefusedAndStoreNothing) {
  using Letters = std::function<std::string(const std::string& token)>;
  auto plain = [](std::function<std::string(const std::string&)> text) {
    return Letters([text](const std::string& token) { return encoded(text(token)); });
  };
  auto game = [&](const std::string& name, const std::string& score, const std::string& player = "") {
    return plain([=](const std::string& token) { return padded(sent(name, score, token, player)); });
  };
  const struct {
    const char* why;
    Letters letters;
    int status;
    const char* reason;
  } cases[] = {
      // The letter code.
      {"no report", [](const std::string&) { return ""; }, 400, "missing report"},
      {"lower-case letters", [&](const std::string& t) { return game("Зед", "5")(t) + "ab"; }, 400,
       "outside the code"},
      {"letters I and O", [](const std::string&) { return "IOIOIOIO"; }, 400, "outside the code"},
      {"a cut letter", [&](const std::string& t) { return game("Зед", "5")(t).substr(1); }, 400,
       "multiple of 5"},
      {"no padding to 5", plain([](const std::string& t) { return sent("Зед", "5", t) + "0000000"; }), 400,
       "multiple of 5"},
      {"far too long", [](const std::string&) { return std::string(264, 'A'); }, 400, "too long"},
      // The fields.
      {"not a report", plain([](const std::string&) { return "hello"; }), 400, "not a score report"},
      {"another type",
       plain([](const std::string& t) { return padded("type=1" + sent("З", "5", t).substr(6)); }), 400,
       "unknown report type"},
      {"a type of two digits",
       plain([](const std::string& t) { return padded("type=00" + sent("З", "5", t).substr(6)); }), 400,
       "unknown report type"},
      {"no name field",
       plain([](const std::string& t) { return padded("type=0|score=5|key=X|p=" + t + "|add=|z="); }), 400,
       "missing name"},
      {"no score field",
       plain([](const std::string& t) { return padded("type=0|name=З|key=X|p=" + t + "|add=|z="); }), 400,
       "missing score"},
      {"no key",
       plain([](const std::string& t) { return padded("type=0|name=З|score=5|p=" + t + "|add=|z="); }), 400,
       "missing key"},
      {"key Y",
       plain([](const std::string& t) { return padded("type=0|name=З|score=5|key=Y|p=" + t + "|add=|z="); }),
       400, "key is not X"},
      {"no token field",
       plain([](const std::string&) { return padded("type=0|name=З|score=5|key=X|add=|z="); }), 400,
       "missing p"},
      {"no add field",
       plain([](const std::string& t) { return padded("type=0|name=З|score=5|key=X|p=" + t + "|z="); }), 400,
       "missing add"},
      {"no padding field",
       plain([](const std::string& t) { return padded("type=0|name=З|score=5|key=X|p=" + t + "|add="); }),
       400, "missing z"},
      {"padding of ones", plain([](const std::string& t) { return padded(sent("Зед", "5", t), '1'); }), 400,
       "wrong padding"},
      {"padding past 5", plain([](const std::string& t) { return padded(sent("Зед", "5", t)) + "00000"; }),
       400, "wrong padding"},
      // The score.
      {"a negative score", game("Зед", "-5"), 400, "whole number"},
      {"a score past int32", game("Зед", "99999999999"), 400, "whole number"},
      {"a score past the houses' best", game("Зед", std::to_string(kTestMaxScore + 1)), 400, "whole number"},
      {"leading zeros", game("Зед", "0500"), 400, "whole number"},
      {"no digits", game("Зед", ""), 400, "whole number"},
      {"not decimal", game("Зед", "1e3"), 400, "whole number"},
      // The names.
      {"an empty name", game("", "5"), 400, "name is empty"},
      {"eleven characters", game("АБВГДЕЖЗИЙК", "5"), 400, "longer than 10"},
      {"Latin letters, which the game's font lacks", game("Bob", "5"), 400, "cannot type"},
      {"a control character", game("Зе\tд", "5"), 400, "cannot type"},
      {"a sign the font lacks", game("№1", "5"), 400, "cannot type"},
      {"an HTML tag of Latin letters", game("<b>Зед</b>", "5"), 400, "cannot type"},
      {"SQL of Latin letters", game("';DROP--", "5"), 400, "cannot type"},
      {"a field's label in the name", game("|score=1", "5"), 400, "missing key"},
      {"the padding's label in the options name", game("Зед", "5", "|z=0"), 400, "add holds a character"},
      {"an options name too long", game("Зед", "5", "АБВГДЕЖЗИЙК"), 400, "add is longer"},
      // The token.
      {"the stub's token", plain([](const std::string&) { return padded(sent("Зед", "5", "77")); }), 403,
       "unknown token"},
      {"no token", plain([](const std::string&) { return padded(sent("Зед", "5", "")); }), 403,
       "unknown token"},
      {"a forged token",
       plain([](const std::string&) { return padded(sent("Зед", "5", std::string(32, 'a'))); }), 403,
       "unknown token"},
      {"a token in capitals", plain([](const std::string& t) {
         std::string upper = t;
         for (char& c : upper) c = static_cast<char>(std::toupper(c));
         return padded(sent("Зед", "5", upper));
       }),
       403, "unknown token"},
  };
  for (const auto& c : cases) {
    ServiceFixture f;
    const std::string token = f.token();
    const HttpReply reply = f.get(query(c.letters(token)));
    EXPECT_EQ(reply.status, c.status) << c.why << ": " << reply.body;
    EXPECT_NE(reply.body.find(c.reason), std::string::npos) << c.why << ": " << reply.body;
    EXPECT_EQ(f.storedCount(), 0u) << c.why;
  }
}

TEST(Report, ATokenServesOneReportOnly) {
  ServiceFixture f;
  const std::string report = query(encoded(padded(sent("Зед", "100", f.token()))));
  EXPECT_EQ(f.get(report).status, 200);
  const HttpReply again = f.get(report);
  EXPECT_EQ(again.status, 403);
  EXPECT_EQ(again.body, "token already used\n");
  // A refused report does not use its token up.
  const std::string token = f.token();
  EXPECT_EQ(f.get(query(encoded(padded(sent("Bob", "100", token))))).status, 400);
  EXPECT_EQ(f.get(query(encoded(padded(sent("Боб", "100", token))))).status, 200);
  EXPECT_EQ(f.storedCount(), 2u);
}

TEST(Report, ATokenExpiresAfterHalfAnHour) {
  ServiceFixture f;
  const std::string early = f.token(), late = f.token();
  f.now += 30 * 60 - 1;
  EXPECT_EQ(f.get(query(encoded(padded(sent("Рано", "1", early))))).status, 200);
  f.now += 1;
  const HttpReply reply = f.get(query(encoded(padded(sent("Поздно", "1", late)))));
  EXPECT_EQ(reply.status, 403);
  EXPECT_EQ(reply.body, "token expired\n");
  // Swept from the store a minute later, it is unknown.
  f.now += 60;
  f.token();
  EXPECT_EQ(f.get(query(encoded(padded(sent("Поздно", "1", late))))).body, "unknown token\n");
  EXPECT_EQ(f.storedCount(), 1u);
}

TEST(Report, TheTestsBuildTheirReportsAsTheGameDoes) {
  // 46 characters before the padding, four "0"s after.
  EXPECT_EQ(gameReport("Bobb", 1200, "77"), "type=0|name=Bobb|score=1200|key=X|p=77|add=|z=0000");
  const Checked<std::string> decoded = decodeReport(encodeReport(gameReport("Bobb", 1200, "77")));
  EXPECT_EQ(std::get<std::string>(decoded), gameReport("Bobb", 1200, "77"));
}

}  // namespace
}  // namespace nk::scores::test
