#pragma once
#include <cstdint>
#include <string>

#include "game/hi_scores.h"

namespace nk {

// The window's first text font (NkFont1) as the menus write with it: the table's rows, the score
// dialog's number, the pause's dimming. The engine's TNkFont is connected through it.
class MenuTextFont {
 public:
  virtual ~MenuTextFont() = default;
  virtual void SetFont(const std::string& faceName, int size) = 0;
  virtual void SetColor(uint8_t r, uint8_t g, uint8_t b) = 0;
  virtual int TextWidth(const std::string& text) = 0;
  virtual void TextOut(int x, int y, const std::string& text) = 0;
};

// Writes the text with its middle at x: left edge x - width div 2.
void TextOutCentred(MenuTextFont& font, int x, int y, const std::string& text);

// The ten rows of the table: names centred on x 360, scores on x 625, from y 135 in steps of 34.
void DrawHiScores(MenuTextFont& font, const THiScoreTable& table);

}  // namespace nk
