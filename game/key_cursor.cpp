#include "game/key_cursor.h"

#include "game/world_objects.h"

namespace nk {

TKeyCurs::TKeyCurs(const World& w, const TGameState& state) : TSprite(w.sprites), state_(state) {
  placeSprite(*this, w.image("cursor"), "keycurs", 2300, 0, 0, 0, Hit::Precise);
}

namespace {

// Where the cursor goes for a screen state and a focused entry. Mirror and scale of -1 leave the
// sprite's own; y of -1 counts 80 + 70 a (the main menu's buttons).
struct Place {
  int state, entry, mirror;
  float scale;
  int x, y;
};
constexpr Place kPlaces[] = {
    {5, 0, 1, 0.7f, 200, 505}, {5, 1, 0, 0.7f, 375, 410},  {5, 2, 1, 0.7f, 325, 410},
    {6, 0, 1, 0.7f, 270, 505}, {6, 1, 0, 0.7f, 368, 505},  {6, 2, 0, 1.0f, 420, 126},
    {6, 3, 0, 1.0f, 420, 209}, {6, 4, 0, 1.0f, 420, 292},  {6, 5, 0, 0.6f, 330, 392},
    {7, 0, -1, 0.4f, 17, 530}, {7, 1, -1, 0.4f, 275, 530}, {7, 2, -1, 0.4f, 538, 530},
};

bool isYesNoDialog(int state) { return state == 0 || state == 8 || state == 9 || state == 15; }

}  // namespace

void TKeyCurs::place(float scale, int x, int y) {
  if (scale >= 0) ScaleX = ScaleY = scale;
  SetX(static_cast<float>(x));
  SetY(static_cast<float>(y));
}

void TKeyCurs::Move(float) {
  const int s = state_.ScreenState, a = state_.MenuIndex;
  if (isYesNoDialog(s) && (a == 0 || a == 1)) {
    FlipH = a == 0;
    if (a == 0) {
      place(0.4f, 422, 505);
    } else {
      place(0.4f, 335, 395);
    }
    if (OnHighlight) OnHighlight(a);
    return;
  }
  if (s == 3 && a != -1) {
    place(-1, 60, 80 + 70 * a);
    return;
  }
  if (s == 6) ScaleX = ScaleY = 1.0f;  // an unlisted entry of the options keeps scale 1
  for (const Place& p : kPlaces) {
    if (p.state != s || p.entry != a) continue;
    if (p.mirror >= 0) FlipH = p.mirror == 1;
    place(p.scale, p.x, p.y);
    return;
  }
}

}  // namespace nk
