#pragma once
#include <functional>

#include "game/level_constants.h"
#include "game/play_state.h"
#include "game/world.h"
#include "platform/random.h"

namespace nk {

class TSprite;

// Builds a house from its level file and keeps it in step with play: lighting and darkening
// rooms, scrolling the world under the burglar, and taking it all down again.
class LevelBuilder {
 public:
  LevelBuilder(const World& world, TPlayState& play, Random& random)
      : world_(world), play_(play), random_(random) {}

  // The house of a level file: cells, back door, walls, the lit rooms' objects and the scenery.
  void Build(const LevelFile& file, const LevelConstants& constants);
  void BuildCell(int32_t column, int32_t row);
  void Reveal(int32_t column, int32_t row);
  void Conceal(int32_t column, int32_t row);
  void ScrollWorld(int32_t dx, int32_t dy);
  // Frees every sprite of the level: objects, walls, scenery, panel, key icons, burglar, back door
  // and his thought bubble.
  void TearDown();

  // Every object a cell has while lit, and forgetting them once the engine freed them.
  static void ForEachObject(const TLevelCell& cell, const std::function<void(TSprite&)>& visit);
  static void ForgetObjects(TLevelCell& cell);

 private:
  void buildInterior(TLevelCell& cell, int x, int y);
  void buildBackground();
  void markCellDead(TLevelCell& cell);
  void setBackDoorFrame(int32_t column, int32_t row);
  int32_t randomDarkFrame() { return 3 + random_.random(5); }

  const World& world_;
  TPlayState& play_;
  Random& random_;
};

}  // namespace nk
