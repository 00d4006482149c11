#include "ui/share_description.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace nk {
namespace {

// A description with an ordinary button and the exit button, one line an entry.
std::vector<std::string> validLines() {
  return {"2",
          "wdata\\back.png",
          "300 200 9 9",  // ordinary: hover place
          "100 200 80 40",
          "wdata\\n1.png",
          "wdata\\h1.png",
          "wdata\\game.url",
          "600 500 0 0",  // exit: hover place
          "610 510 100 25 anything after the numbers",
          "620 520 0 0",
          "wdata\\n2.png",
          "wdata\\h2.png",
          "wdata\\w2.png",
          "400 60",
          "5",
          "10 20 30",
          "TRUE",
          "24"};
}

std::string join(const std::vector<std::string>& lines, const char* end = "\n") {
  std::string text;
  for (const std::string& l : lines) text += l + end;
  return text;
}

bool existing(std::string_view name) {
  static const std::set<std::string, std::less<>> files = {
      "wdata\\back.png", "wdata\\n1.png", "wdata\\h1.png",          "wdata\\game.url",
      "wdata\\n2.png",   "wdata\\h2.png", "wdata\\w2.png",          "C:\\back.png",
      "/wdata/back.png", "..\\back.png",  "wdata\\..\\..\\back.png"};
  return files.contains(name);
}

ShareDescription read(const std::vector<std::string>& lines) {
  return ReadShareDescription(join(lines), existing);
}

TEST(ShareDescription, AValidDescriptionGivesItsButtonsAndCountdown) {
  const ShareDescription d = read(validLines());
  ASSERT_TRUE(d.Valid) << d.Problem;
  EXPECT_EQ(d.ButtonCount, 2);
  ASSERT_EQ(d.Buttons.size(), 2u);
  const TButton& shop = d.Buttons[0];
  EXPECT_EQ(shop.Action, "wdata\\game.url");
  EXPECT_TRUE(shop.Active);
  EXPECT_EQ(std::vector<int32_t>({shop.HoverX, shop.HoverY, shop.X, shop.Y, shop.Width, shop.Height}),
            std::vector<int32_t>({300, 200, 100, 200, 80, 40}));
  EXPECT_EQ(std::vector<int32_t>({shop.WaitX, shop.WaitY}), std::vector<int32_t>({100, 200}));
  EXPECT_EQ(shop.NormalFile, "wdata\\n1.png");
  EXPECT_EQ(shop.HoverFile, "wdata\\h1.png");
  EXPECT_EQ(shop.WaitFile, "wdata\\n1.png");  // an ordinary button waits with its normal picture
  const TButton& exit = d.Buttons[1];
  EXPECT_TRUE(exit.IsExit());
  EXPECT_FALSE(exit.Active);
  EXPECT_EQ(std::vector<int32_t>({exit.WaitX, exit.WaitY, exit.Height}),
            std::vector<int32_t>({620, 520, 25}));
  EXPECT_EQ(exit.WaitFile, "wdata\\w2.png");
  EXPECT_EQ(d.BackgroundFile, "wdata\\back.png");
  EXPECT_EQ(d.CounterX, 400);
  EXPECT_EQ(d.CounterY, 60);
  EXPECT_EQ(d.Countdown, 400);
  EXPECT_TRUE(d.FontSizeGiven);
  EXPECT_EQ(d.FontSize, 24);
  EXPECT_EQ(d.CounterRgb(), (std::array<uint8_t, 3>{10, 20, 30}));
}

TEST(ShareDescription, WindowsLineEndsAndLeadingSpacesReadTheSame) {
  std::vector<std::string> lines = validLines();
  for (std::string& l : lines) l = "   " + l;
  const ShareDescription d = ReadShareDescription(join(lines, "\r\n"), existing);
  ASSERT_TRUE(d.Valid) << d.Problem;
  EXPECT_EQ(d.Buttons[0].Action, "wdata\\game.url");
  EXPECT_EQ(d.FontSize, 24);
}

TEST(ShareDescription, WithoutTrueTheSizeFollowsTheExitButtonAndGreenAndBlueSwap) {
  const struct {
    const char* switchLine;
    const char* exitHeight;
    int32_t size;
  } cases[] = {
      {"true", "25", 15}, {"FALSE", "24", 14}, {"", "26", 16}, {"TRUE!", "1", 1}, {"no", "333", 200}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.switchLine);
    std::vector<std::string> lines = validLines();
    lines[8] = std::string("610 510 100 ") + c.exitHeight;
    lines[16] = c.switchLine;
    lines[17] = "not read";  // no font size line follows
    const ShareDescription d = read(lines);
    ASSERT_TRUE(d.Valid) << d.Problem;
    EXPECT_FALSE(d.FontSizeGiven);
    EXPECT_EQ(d.FontSize, c.size);
    EXPECT_EQ(d.CounterRgb(), (std::array<uint8_t, 3>{10, 30, 20}));
  }
}

TEST(ShareDescription, OneButtonIsTheExitButtonAlone) {
  std::vector<std::string> lines = validLines();
  lines.erase(lines.begin() + 2, lines.begin() + 7);
  lines[0] = "1";
  const ShareDescription d = read(lines);
  ASSERT_TRUE(d.Valid) << d.Problem;
  ASSERT_EQ(d.Buttons.size(), 1u);
  EXPECT_TRUE(d.Buttons[0].IsExit());
}

TEST(ShareDescription, TheShortestCountdownIsOverAtOnce) {
  std::vector<std::string> lines = validLines();
  lines[14] = "1";
  EXPECT_EQ(read(lines).Countdown, 0);
}

TEST(ShareDescription, EveryProblemMakesItInvalidAndNamesTheLine) {
  const struct {
    const char* what;
    size_t line;                      // 0-based
    std::optional<std::string> text;  // none: the file ends before this line
    int problemLine;
  } cases[] = {
      {"empty file", 0, std::nullopt, 1},
      {"count not a number", 0, "two", 1},
      {"count with letters after it", 0, "2x", 1},
      {"count out of 32 bits", 0, "99999999999", 1},
      {"no buttons", 0, "0", 1},
      {"negative count", 0, "-1", 1},
      {"no background named", 1, "", 2},
      {"background missing", 1, "wdata\\gone.png", 2},
      {"background by a drive", 1, "C:\\back.png", 2},
      {"background from the root", 1, "/wdata/back.png", 2},
      {"background above the folder", 1, "..\\back.png", 2},
      {"background climbing out", 1, "wdata\\..\\..\\back.png", 2},
      {"control character in a name", 1, std::string("wdata\\ba\x01", 9) + "ck.png", 2},
      {"two spaces in a row", 2, "300  200 9 9", 3},
      {"too few numbers", 2, "300 200 9", 3},
      {"empty number line", 3, "", 4},
      {"malformed rectangle", 3, "100 200 80 4O", 4},
      {"normal picture missing", 4, "wdata\\gone.png", 5},
      {"hover picture missing", 5, "wdata\\gone.png", 6},
      {"file to open missing", 6, "wdata\\gone.url", 7},
      {"ends inside the exit block", 10, std::nullopt, 11},
      {"waiting place malformed", 9, "620 x 0 0", 10},
      {"waiting picture missing", 12, "wdata\\gone.png", 13},
      {"countdown centre short", 13, "400", 14},
      {"countdown of zero", 14, "0", 15},
      {"negative countdown", 14, "-3", 15},
      {"countdown too long for 32 bits", 14, "21474838", 15},
      {"colour short", 15, "10 20", 16},
      {"colour above 255", 15, "10 256 30", 16},
      {"colour below 0", 15, "-1 0 0", 16},
      {"no font size switch", 16, std::nullopt, 17},
      {"no font size", 17, std::nullopt, 18},
      {"font size not a number", 17, "big", 18},
      {"font size 0", 17, "0", 18},
      {"font size too large", 17, "201", 18},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> lines = validLines();
    if (c.text) {
      lines[c.line] = *c.text;
    } else {
      lines.resize(c.line);
    }
    const ShareDescription d = read(lines);
    EXPECT_FALSE(d.Valid);
    EXPECT_EQ(d.Problem.rfind("wdata\\config.ini line " + std::to_string(c.problemLine) + ": ", 0), 0u)
        << d.Problem;
  }
}

TEST(ShareDescription, WithoutTrueAFlatExitButtonGivesNoUsableFontSize) {
  std::vector<std::string> lines = validLines();
  lines[8] = "610 510 100 0";
  lines[16] = "no size";
  EXPECT_FALSE(read(lines).Valid);
}

}  // namespace
}  // namespace nk
