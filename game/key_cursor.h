#pragma once
#include <functional>

#include "engine/sprite.h"
#include "game/game_state.h"
#include "game/world.h"

namespace nk {

// The menu selection cursor: every move step it places itself beside the focused entry of the
// current screen.
class TKeyCurs : public TSprite {
 public:
  TKeyCurs(const World& world, const TGameState& state);
  const char* ClassName() const override { return "TKeyCurs"; }
  void Move(float delta) override;

  // Highlights one of the two buttons of a yes/no dialog (0 or 1); the menus connect it.
  std::function<void(int selected)> OnHighlight;

 private:
  void place(float scale, int x, int y);
  const TGameState& state_;
};

}  // namespace nk
