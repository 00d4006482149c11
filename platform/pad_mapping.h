#pragma once
#include <bitset>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/pad_controls.h"

namespace nk {

// The confirm button's key: the game chooses it (Enter, or Space in play). No key has code 0.
inline constexpr int kPadConfirm = 0;

// The one mapping of the pads onto the keyboard (pad_mapping.cpp holds it as a table, README's
// controls table shows it): every control stands for a key, which goes down and up as the control
// does. D-pad and left stick: the arrows; A: confirm; X: Ctrl; B and Back: Escape; Start and Y: P.
class PadMapper {
 public:
  // Told of every key going down or up. A key that two controls hold (the D-pad and the stick, or
  // two pads) goes up when the last of them lets go.
  using KeyChange = std::function<void(int key, bool down)>;
  explicit PadMapper(KeyChange change) : change_(std::move(change)) {}

  void button(int pad, PadButton button, bool down);
  // A stick axis moved (kPadAxisMin .. kPadAxisMax). A direction is taken once the stick is pushed
  // past kStickPress and let go only when it comes back within kStickRelease: a dead zone around
  // the middle, and no chatter from a stick resting near the edge of it.
  void axis(int pad, PadAxis axis, int value);
  // The pad went away: whatever it held is let go.
  void remove(int pad);
  // What the pad holds, by control name ("a", "dpleft"; the stick as "leftx-", "lefty+").
  std::vector<std::string> held(int pad) const;

  static constexpr int kStickPress = 16000, kStickRelease = 10000;

 private:
  static constexpr int kControls = kPadButtons + 4;  // the buttons, then the stick's four ways
  void set(int pad, int control, bool on);

  KeyChange change_;
  std::map<int, std::bitset<kControls>> pads_;
  std::map<int, int> holders_;  // key -> how many controls hold it
};

}  // namespace nk
