#include "app/menu_text.h"

namespace nk {

void TextOutCentred(MenuTextFont& font, int x, int y, const std::string& text) {
  font.TextOut(x - font.TextWidth(text) / 2, y, text);
}

void DrawHiScores(MenuTextFont& font, const THiScoreTable& table) {
  for (size_t i = 1; i <= 10; ++i) {
    const int y = 135 + 34 * static_cast<int>(i - 1);
    TextOutCentred(font, 360, y, table[i].Name);
    TextOutCentred(font, 625, y, table[i].Score);
  }
}

}  // namespace nk
