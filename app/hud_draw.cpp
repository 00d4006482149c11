// The side panel's numbers and the time, written with the first text font.
#include "app/form1.h"
#include "game/hud.h"
#include "game/player.h"

namespace nk {

void TForm1::drawSideNumbers(uint8_t grey) {
  menuFont->SetColor(grey, grey, grey);
  const int32_t money = Play.player != nullptr ? Play.player->Money : 0;
  const std::pair<int32_t, int> rows[] = {
      {GameState.Lives, kLivesY}, {money, kMoneyY}, {GameState.Level, kLevelY}};
  for (const auto& [value, y] : rows) {
    const std::string text = std::to_string(value);
    menuFont->TextOut(SideNumberX(menuFont->TextWidth(text)), y, text);
  }
}

void TForm1::drawTime(int x, int y) {
  const uint32_t c = TimeColor(Play.timeMinutes, Play.timeSeconds);
  menuFont->SetColor(static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c));
  menuFont->TextOut(x, y, FormatTime(Play.timeMinutes, Play.timeSeconds));
}

}  // namespace nk
