#include "app/menu_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace nk {
namespace {

// 7 pixels a character; remembers where each text went.
struct MeasuringFont final : MenuTextFont {
  struct Written {
    int x, y;
    std::string text;
  };
  void SetFont(const std::string&, int) override {}
  void SetColor(uint8_t, uint8_t, uint8_t) override {}
  int TextWidth(const std::string& text) override { return 7 * static_cast<int>(text.size()); }
  void TextOut(int x, int y, const std::string& text) override { written.push_back({x, y, text}); }
  std::vector<Written> written;
};

TEST(MenuText, TheTableCentresNamesAndScoresOnTheirColumns) {
  THiScoreTable table = DefaultHiScores();
  table[10] = {"10", "Bob", "7"};
  MeasuringFont font;
  DrawHiScores(font, table);
  ASSERT_EQ(font.written.size(), 20u);
  const struct {
    size_t index;
    int x, y;
    const char* text;
  } cases[] = {
      {0, 360 - 31, 135, "Anonymous"},  // 63 wide: halves toward zero
      {1, 625 - 14, 135, "9100"},
      {18, 360 - 10, 441, "Bob"},
      {19, 625 - 3, 441, "7"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(font.written[c.index].x, c.x) << c.text;
    EXPECT_EQ(font.written[c.index].y, c.y) << c.text;
    EXPECT_EQ(font.written[c.index].text, c.text);
  }
}

}  // namespace
}  // namespace nk
