#include "game/world_objects.h"

#include "engine/nk_sprite.h"

namespace nk {
namespace {

void animate(TSimpleAnimSprite& s, int frames, bool active = true) {
  s.SetAnimStart(0);
  s.AnimCount = frames;
  s.AnimLooped = true;
  s.AnimSpeed = 0.06f;
  s.AnimActive = active;
}

void scale(TSprite& s, float factor) { s.ScaleX = s.ScaleY = factor; }

// Interior depth by picture and piece: low pieces behind, tall ones further back.
int interiorZ(bool wide, int piece) {
  if (wide) return piece == 4 ? 25 : piece == 5 ? 40 : 30;
  if (piece <= 2) return 20;
  if (piece == 3) return 50;
  if (piece == 6) return 45;
  return 15;
}

}  // namespace

void placeSprite(TSprite& s, TImageListItem* image, const std::string& name, int z, int frame, int x, int y,
                 Hit hit) {
  s.SetImage(image);
  s.SetName(name);
  s.SetZ(z);
  s.SetPatternIndex(frame);
  s.SetX(static_cast<float>(x));
  s.SetY(static_cast<float>(y));
  s.Collide = hit != Hit::None;
  s.PixelCheck = hit == Hit::Precise;
}

Tmapsurf::Tmapsurf(const World& w, int x, int y, int frame) : TSprite(w.sprites) {
  placeSprite(*this, w.levelImage("walls"), "house", 10, frame, x, y, Hit::None);
}

TFonCell::TFonCell(const World& w, int x, int y, int) : TSprite(w.sprites) {
  placeSprite(*this, w.image("fon"), "fon", 15, w.level - 1, x, y, Hit::Precise);
}

TInterior::TInterior(const World& w, int x, int y, bool wide, int piece) : TSprite(w.sprites) {
  placeSprite(*this, w.image(wide ? "wideinterior" : "thininterior"), "inter", interiorZ(wide, piece), piece,
              x, y, Hit::None);
}

TSeif::TSeif(const World& w, int x, int y, int) : TSprite(w.sprites) {
  placeSprite(*this, w.image("seif"), "seif", 20, 0, x, y, Hit::Precise);
}

TKeysBoard::TKeysBoard(const World& w, int x, int y, int) : TSprite(w.sprites) {
  placeSprite(*this, w.image("keysboard"), "keysboard", 35, 0, x, y, Hit::Precise);
}

TKey::TKey(const World& w, int x, int y, int kind) : TSprite(w.sprites) {
  placeSprite(*this, w.image("keys"), "key" + std::to_string(kind), 45, kind, x, y, Hit::Precise);
}

TDoor::TDoor(const World& w, int x, int y, int frame) : TSprite(w.sprites) {
  placeSprite(*this, w.levelImage("doors"), "door", 50, frame, x, y, Hit::Precise);
}

TLift::TLift(const World& w, int x, int y, int) : TSprite(w.sprites) {
  const bool second = w.level == 2 || w.level == 3;
  placeSprite(*this, w.image(second ? "level2lift" : "level1lift"), "lift", 55, 0, x, y, Hit::Precise);
}

TStairs::TStairs(const World& w, int x, int y, bool up) : TSprite(w.sprites) {
  placeSprite(*this, w.image("level1stairs"), up ? "stairsup" : "stairsdown", 150, up ? 0 : 1, x, y,
              Hit::Precise);
}

TPrizLife::TPrizLife(const World& w, int x, int y, int) : TSimpleAnimSprite(w.sprites) {
  placeSprite(*this, w.image("prizlife"), "prizlife", 151, 0, x, y, Hit::Precise);
  animate(*this, 5);
  scale(*this, 0.6f);
}

TMoney::TMoney(const World& w, int x, int y, int kind) : TSprite(w.sprites) {
  placeSprite(*this, w.image("money"), "mon" + std::to_string(kind), 153, kind, x, y, Hit::Box);
  scale(*this, 0.6f);
}

TGuy::TGuy(const World& w, int x, int y, int) : TSimpleAnimSprite(w.sprites) {
  placeSprite(*this, w.image("guy"), "guy", 200, 0, x, y, Hit::Precise);
}

bool TGuy::AimStep(bool facesPlayer) {
  int frame = PatternIndex + 1;
  if (facesPlayer && frame == 5) frame = 7;
  if (!facesPlayer && frame == 6) frame = 9;
  const bool fires = frame == 5 || frame == 7;
  if (frame == 10) frame = 0;
  SetPatternIndex(frame);
  return fires;
}

TCat::TCat(const World& w, int x, int y, int) : TSimpleAnimSprite(w.sprites) {
  placeSprite(*this, w.image("cat"), "cat", 200, 0, x, y, Hit::Precise);
  animate(*this, 21);
}

TPrizTime::TPrizTime(const World& w, int x, int y, int) : TSimpleAnimSprite(w.sprites) {
  placeSprite(*this, w.image("priztime"), "priztime", 200, 0, x, y, Hit::Precise);
  animate(*this, 5);
  scale(*this, 0.8f);
}

TLaser::TLaser(const World& w, int x, int y) : TSprite(w.sprites) {
  placeSprite(*this, w.image("laser"), "laser", 300, 0, x, y, Hit::Precise);
  SetAlpha(210);
}

void TLaser::Move(float) {
  if (++MoveCounter >= 10) {
    MoveCounter = 0;
    SetPatternIndex(PatternIndex == 0 ? 1 : 0);
  }
  if (!Moving) return;
  if (Speed > 0 && Travelled >= Range) {
    Speed = -Speed;
    SetY(Y - 1);
  } else if (Speed <= 0 && Travelled <= kLaserTurnBack) {
    Speed = -Speed;
    SetY(Y + 1);
  } else {
    Travelled += Speed;
    SetY(static_cast<float>(Y + Speed));
  }
}

TSiren::TSiren(const World& w, int x, int y, int) : TSimpleAnimSprite(w.sprites) {
  placeSprite(*this, w.image("siren"), "siren", 300, 0, x, y, Hit::Precise);
  animate(*this, 4, /*active=*/false);
}

TBackDoor::TBackDoor(const World& w, int x, int y, int frame) : TSprite(w.sprites) {
  placeSprite(*this, w.levelImage("backdoors"), "backdoor", 600, frame, x, y, Hit::Precise);
  SetAlpha(150);
}

TPanel::TPanel(const World& w, int x, int y, int) : TSprite(w.sprites) {
  placeSprite(*this, w.image("panel"), "panel", 700, 0, x, y, Hit::None);
}

TPlayerKeys::TPlayerKeys(const World& world, int x, int y, int kind) : TSprite(world.sprites) {
  placeSprite(*this, world.image("playerkeys"), "playerkeys", 710, kind, x, y, Hit::Precise);
  Visible = false;
}

TValue::TValue(const World& w, int x, int y, int kind) : TSprite(w.sprites) {
  placeSprite(*this, w.image("values"), "value", 3000, kind, x, y, Hit::None);
}

void TValue::Move(float) {
  if (Countdown > 0) {
    if (Countdown % 2 == 0) {
      SetAlpha(Alpha - 5);
      SetY(Y - 1);
    }
    --Countdown;
  }
  // Freed by the engine's next dead pass.
  if (Countdown == 0) Dead();
}

TExitMenu::TExitMenu(const World& w, const std::string& image, const std::string& name, int z, int x, int y)
    : TSprite(w.sprites) {
  placeSprite(*this, w.image(image), name, z, 0, x, y, Hit::None);
}

THouseWindow::THouseWindow(const World& w, int x, int y, int) : TSprite(w.sprites) {
  placeSprite(*this, w.image("okna"), "HouseWindow", 1, w.level - 1, x, y, Hit::None);
  SetAlpha(0);
}

TVorUDoma::TVorUDoma(const World& w, int x, int y, int) : TSprite(w.sprites) {
  placeSprite(*this, w.image("vor_oglyad"), "VorUdomov", 1, 0, x, y, Hit::None);
}

}  // namespace nk
