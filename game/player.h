#pragma once
#include <array>
#include <cstdint>
#include <functional>

#include "engine/sprite.h"
#include "game/world.h"

namespace nk {

// The burglar. He stands at screen x 300 while the world scrolls under him; his collision
// handler records what he touches this tick for the rules to act on.
class TPlayer : public TSimpleAnimSprite {
 public:
  TPlayer(const World& world, int column, int row);
  const char* ClassName() const override { return "TPlayer"; }

  void OnCollision(TSprite& other, int x, int y) override;
  // Clears what he touched: the rules do it after every tick and every action.
  void ClearTouching();

  std::array<uint8_t, 6> CarriedKeys{};  // by key kind 0 .. 3
  int32_t Money = 0;
  bool AtDoor = false, AtBackDoor = false, AtStairsUp = false, AtStairsDown = false;
  bool AtKey = false, AtMoney = false, AtTimePrize = false, AtLifePrize = false;
  int32_t TouchedKeyKind = 0, TouchedMoneyKind = 0;
  bool AtSafe = false;
  bool FacingRight = true, FacingLeft = false;
  bool AtLift = false;
  int32_t RoomPosition = 0;
  int32_t Column = 0, Row = 0;

  // Called when the laser beam catches him.
  std::function<void()> OnCaughtByLaser;
};

// The thought bubble about a missing key.
class TThink : public TSprite {
 public:
  TThink(const World& world, const TPlayer& player);
  const char* ClassName() const override { return "TThink"; }
};

// The burglar's soul rising after the shot.
class THeart : public TSprite {
 public:
  THeart(const World& world, const TPlayer& player);
  const char* ClassName() const override { return "THeart"; }
  void Move(float delta) override;

  int32_t Counter = 0;

 private:
  const TPlayer& player_;
};

}  // namespace nk
