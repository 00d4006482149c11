#pragma once
#include <string>

#include "engine/sprite.h"
#include "game/world.h"

namespace nk {

// The objects a house is made of. Each takes its picture, name, depth, frame and collision on
// creation; positions are screen pixels.

// Shared set-up: picture, name, Z, frame, position; "precise" collision tests opaque pixels.
enum class Hit { None, Box, Precise };
void placeSprite(TSprite& s, TImageListItem* image, const std::string& name, int z, int frame, int x, int y,
                 Hit hit);

// A room's wall picture: 0 outer wall, 1 outer wall of the ground floor, 2 lit, 3 .. 7 dark.
class Tmapsurf : public TSprite {
 public:
  Tmapsurf(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "Tmapsurf"; }
};

// Scenery around the house, one tile per level.
class TFonCell : public TSprite {
 public:
  TFonCell(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "TFonCell"; }
};

// The safe.
class TSeif : public TSprite {
 public:
  TSeif(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "TSeif"; }
};

// The board the keys hang on.
class TKeysBoard : public TSprite {
 public:
  TKeysBoard(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "TKeysBoard"; }
};

// The door in a room's right wall: frame 1 open, 0 closed.
class TDoor : public TSprite {
 public:
  TDoor(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "TDoor"; }
};

// The lift.
class TLift : public TSprite {
 public:
  TLift(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "TLift"; }
};

// The extra-life prize.
class TPrizLife : public TSimpleAnimSprite {
 public:
  TPrizLife(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "TPrizLife"; }
};

// The guard; he stands still until he turns to shoot.
class TGuy : public TSimpleAnimSprite {
 public:
  TGuy(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "TGuy"; }
  // One step of turning and firing: he fires on frame 7 when he faces the burglar (mirrored)
  // and on frame 5 otherwise, skipping the other firing picture. True when this step fires.
  bool AimStep(bool facesPlayer);
};

// The cat.
class TCat : public TSimpleAnimSprite {
 public:
  TCat(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "TCat"; }
};

// The extra-time prize.
class TPrizTime : public TSimpleAnimSprite {
 public:
  TPrizTime(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "TPrizTime"; }
};

// The alarm light of a laser room; it flashes once the alarm goes.
class TSiren : public TSimpleAnimSprite {
 public:
  TSiren(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "TSiren"; }
};

// The left wall of the current room, drawn see-through in front of the burglar.
class TBackDoor : public TSprite {
 public:
  TBackDoor(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "TBackDoor"; }
};

// The side panel of the heads-up display.
class TPanel : public TSprite {
 public:
  TPanel(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "TPanel"; }
};

// The icon of a carried key (frame = kind), hidden until the key is carried.
class TPlayerKeys : public TSprite {
 public:
  TPlayerKeys(const World& world, int x, int y, int kind = 0);
  const char* ClassName() const override { return "TPlayerKeys"; }
};

// The lit window of the next house on the level-intro street.
class THouseWindow : public TSprite {
 public:
  THouseWindow(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "THouseWindow"; }
};

// The burglar outside the house on the level-intro street.
class TVorUDoma : public TSprite {
 public:
  TVorUDoma(const World& world, int x, int y, int frame = 0);
  const char* ClassName() const override { return "TVorUDoma"; }
};

// A furniture piece: wide pieces and thin pieces come from two pictures.
class TInterior : public TSprite {
 public:
  TInterior(const World& world, int x, int y, bool wide, int piece);
  const char* ClassName() const override { return "TInterior"; }
};

// A key of kind 0 .. 3, named "key0" .. "key3".
class TKey : public TSprite {
 public:
  TKey(const World& world, int x, int y, int kind);
  const char* ClassName() const override { return "TKey"; }
};

// Money of kind 0 .. 3 ("mon0" .. "mon3"), worth 10, 30, 70, 100.
class TMoney : public TSprite {
 public:
  TMoney(const World& world, int x, int y, int kind);
  const char* ClassName() const override { return "TMoney"; }
};

// Stairs up ("stairsup", frame 0) or down ("stairsdown", frame 1).
class TStairs : public TSprite {
 public:
  TStairs(const World& world, int x, int y, bool up);
  const char* ClassName() const override { return "TStairs"; }
};

// The laser beam sweeping down and up; it flickers between its two frames.
// A laser beam sweeps down and up its room at this speed (pixels a move) over this range, turning
// back this close to the top; it catches the burglar only below the catch line.
inline constexpr double kLaserSpeed = 1.2, kLaserRange = 110.0, kLaserTurnBack = 5.0;
inline constexpr float kLaserCatchLine = 270;

class TLaser : public TSprite {
 public:
  TLaser(const World& world, int x, int y);
  const char* ClassName() const override { return "TLaser"; }
  void Move(float delta) override;

  double Speed = kLaserSpeed;
  double Travelled = 0;
  double Range = kLaserRange;
  int32_t MoveCounter = 0;
  bool Moving = true;
};

// The rising "+10" of taken money; fades and frees itself.
class TValue : public TSprite {
 public:
  TValue(const World& world, int x, int y, int kind);
  const char* ClassName() const override { return "TValue"; }
  void Move(float delta) override;

  int32_t Countdown = 100;
};

// A full-screen or centred overlay of the game screens.
class TExitMenu : public TSprite {
 public:
  TExitMenu(const World& world, const std::string& image, const std::string& name, int z, int x, int y);
  const char* ClassName() const override { return "TExitMenu"; }
};

// The panels of the menus and dialogs: plain pictures like TExitMenu, each known by its own class.
class TMenuExitGame : public TExitMenu {
 public:
  using TExitMenu::TExitMenu;
  const char* ClassName() const override { return "TMenuExitGame"; }
};
class THelpMenu : public TExitMenu {
 public:
  using TExitMenu::TExitMenu;
  const char* ClassName() const override { return "THelpMenu"; }
};
class THiscoreMenu : public TExitMenu {
 public:
  using TExitMenu::TExitMenu;
  const char* ClassName() const override { return "THiscoreMenu"; }
};
class TOptionsMenu : public TExitMenu {
 public:
  using TExitMenu::TExitMenu;
  const char* ClassName() const override { return "TOptionsMenu"; }
};

}  // namespace nk
