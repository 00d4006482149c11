#include "game/player.h"

#include <cmath>
#include <cstdlib>

#include "engine/image_list_item.h"
#include "game/world_objects.h"

namespace nk {
namespace {

// The kind in a name like "mon2" or "key3": its last digit.
int32_t kindFromName(const std::string& name) {
  if (name.empty() || name.back() < '0' || name.back() > '3') return 0;
  return name.back() - '0';
}

int patternWidth(const TSprite& s) { return s.Image != nullptr ? s.Image->TileWidth() : s.Width; }

}  // namespace

TPlayer::TPlayer(const World& w, int column, int row)
    : TSimpleAnimSprite(w.sprites), Column(column), Row(row) {
  placeSprite(*this, w.image("vor_idet"), "Vor", 500, 0, 300, 260, Hit::Precise);
  SetAnimStart(0);
  AnimCount = 8;
  AnimSpeed = 0.1f;
  AnimLooped = true;
}

void TPlayer::ClearTouching() {
  AtDoor = AtBackDoor = AtStairsUp = AtStairsDown = AtKey = AtMoney = AtTimePrize = AtLifePrize = AtSafe =
      AtLift = false;
}

void TPlayer::OnCollision(TSprite& other, int, int) {
  if (dynamic_cast<TLaser*>(&other) != nullptr && other.Y > kLaserCatchLine) {
    const int d = static_cast<int>(X - other.X) - patternWidth(other) / 2;
    if (-patternWidth(*this) < d && d < 0 && OnCaughtByLaser) OnCaughtByLaser();
  }
  if (dynamic_cast<TMoney*>(&other) != nullptr) {
    AtMoney = true;
    TouchedMoneyKind = kindFromName(other.Name);
  }
  if (dynamic_cast<TKey*>(&other) != nullptr) {
    AtKey = true;
    TouchedKeyKind = kindFromName(other.Name);
    return;
  }
  if (dynamic_cast<TDoor*>(&other) != nullptr && other.X > X && std::abs(RoomPosition - 150) < 6) {
    AtDoor = true;
    return;
  }
  if (dynamic_cast<TSeif*>(&other) != nullptr) {
    AtSafe = true;
  } else if (dynamic_cast<TPrizLife*>(&other) != nullptr) {
    AtLifePrize = true;
  } else if (dynamic_cast<TPrizTime*>(&other) != nullptr) {
    AtTimePrize = true;
  } else if (dynamic_cast<TBackDoor*>(&other) != nullptr && RoomPosition < 6) {
    AtBackDoor = true;
  } else if (dynamic_cast<TLift*>(&other) != nullptr && other.X - 20 < X &&
             X < other.X + static_cast<float>(other.Width) - 60) {
    AtLift = true;
  } else if (dynamic_cast<TStairs*>(&other) != nullptr && other.X - 20 < X &&
             X < other.X + static_cast<float>(other.Width) - 50) {
    if (other.Name == "stairsup") AtStairsUp = true;
    if (other.Name == "stairsdown") AtStairsDown = true;
  }
}

TThink::TThink(const World& w, const TPlayer& player) : TSprite(w.sprites) {
  placeSprite(*this, w.image("think"), "", 800, 0, static_cast<int>(player.X) - 168,
              static_cast<int>(player.Y) - 8, Hit::Precise);
  SetAlpha(0);
}

THeart::THeart(const World& w, const TPlayer& player) : TSprite(w.sprites), player_(player) {
  placeSprite(*this, w.image("heart"), "heart", 2900, 0, static_cast<int>(player.X) + 10,
              static_cast<int>(player.Y) - 40, Hit::None);
  SetAlpha(120);
}

void THeart::Move(float) {
  SetY(Y - 0.5f);
  SetX(static_cast<float>(player_.X + 20 + 40 * std::sin(Counter / 25.0)));
  if (Counter % 10 == 0 && Counter > 0) SetPatternIndex((PatternIndex + 1) % 6);
  ++Counter;
  if (Y < player_.Y - 100) Dead();
}

}  // namespace nk
