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
  Screen state;
  int entry, mirror;
  float scale;
  int x, y;
};
constexpr Place kPlaces[] = {
    {Screen::Help, 0, 1, 0.7f, 200, 505},      {Screen::Help, 1, 0, 0.7f, 375, 410},
    {Screen::Help, 2, 1, 0.7f, 325, 410},      {Screen::Options, 0, 1, 0.7f, 270, 505},
    {Screen::Options, 1, 0, 0.7f, 368, 505},   {Screen::Options, 2, 0, 1.0f, 420, 126},
    {Screen::Options, 3, 0, 1.0f, 420, 209},   {Screen::Options, 4, 0, 1.0f, 420, 292},
    {Screen::Options, 5, 0, 0.6f, 330, 392},   {Screen::HiScores, 0, -1, 0.4f, 17, 530},
    {Screen::HiScores, 1, -1, 0.4f, 275, 530}, {Screen::HiScores, 2, -1, 0.4f, 538, 530},
};

bool isYesNoDialog(Screen state) {
  return state == Screen::QuitDialog || state == Screen::ClearTable || state == Screen::ExitConfirm ||
         state == Screen::ScoreDialog;
}

}  // namespace

void TKeyCurs::place(float scale, int x, int y) {
  if (scale >= 0) ScaleX = ScaleY = scale;
  SetX(static_cast<float>(x));
  SetY(static_cast<float>(y));
}

void TKeyCurs::Move(float) {
  const Screen screen = state_.ScreenState;
  const int entry = state_.MenuIndex;
  if (isYesNoDialog(screen) && (entry == 0 || entry == 1)) {
    FlipH = entry == 0;
    if (entry == 0) {
      place(0.4f, 422, 505);
    } else {
      place(0.4f, 335, 395);
    }
    if (OnHighlight) OnHighlight(entry);
    return;
  }
  if (screen == Screen::MainMenu && entry != -1) {
    place(-1, 60, 80 + 70 * entry);
    return;
  }
  if (screen == Screen::Options) ScaleX = ScaleY = 1.0f;  // an unlisted entry of the options keeps scale 1
  for (const Place& spot : kPlaces) {
    if (spot.state != screen || spot.entry != entry) continue;
    if (spot.mirror >= 0) FlipH = spot.mirror == 1;
    place(spot.scale, spot.x, spot.y);
    return;
  }
}

}  // namespace nk
