#include "app/side_panel.h"

#include <string>
#include <utility>

#include "app/menu_text.h"
#include "game/game_state.h"
#include "game/play_state.h"
#include "game/player.h"

namespace nk {

void SidePanel::drawNumbers(uint8_t grey) {
  font_.SetColor(grey, grey, grey);
  const int32_t money = play_.player != nullptr ? play_.player->Money : 0;
  const std::pair<int32_t, int> rows[] = {{game_.Lives, kLivesY}, {money, kMoneyY}, {game_.Level, kLevelY}};
  for (const auto& [value, y] : rows) {
    const std::string text = std::to_string(value);
    font_.TextOut(SideNumberX(font_.TextWidth(text)), y, text);
  }
}

void SidePanel::drawTime(int x, int y) {
  const uint32_t color = TimeColor(play_.timeMinutes, play_.timeSeconds);
  font_.SetColor(static_cast<uint8_t>(color >> 16), static_cast<uint8_t>(color >> 8),
                 static_cast<uint8_t>(color));
  font_.TextOut(x, y, FormatTime(play_.timeMinutes, play_.timeSeconds));
}

}  // namespace nk
