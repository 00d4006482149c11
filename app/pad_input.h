#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "app/confirm_button.h"
#include "platform/pad_mapping.h"

namespace nk {

class TNkEdit;

// The pads as the game sees them: the keyboard's own key events, through the one mapping
// (platform/pad_mapping.h), the confirm button's key chosen by the screen (confirm_button.h); and
// while a name is being edited, the arrows write it arcade-style (pad_name_edit.h) instead.
class PadInput {
 public:
  // What the pads need of the game.
  struct Target {
    std::function<void(int key, bool down)> key;  // a key goes down or up, as on the keyboard
    std::function<Screen()> screen;               // the screen the game is on
    std::function<TNkEdit*()> nameBeingEdited;    // the name edit taking letters, or nullptr
  };
  explicit PadInput(Target target);

  void added(int pad, const std::string& name);
  void removed(int pad);
  void button(int pad, PadButton button, bool down);
  void axis(int pad, PadAxis axis, int value);
  // After every game frame: notes the screen for the confirm button; a held Up or Down turns the
  // name's letter on after kTurnAfter frames, every kTurnEvery.
  void frame();

  struct Pad {
    int id;
    std::string name;               // Windows-1251
    std::vector<std::string> held;  // the controls held, by name
  };
  std::vector<Pad> pads() const;

  static constexpr int kTurnAfter = 36, kTurnEvery = 6;

 private:
  void keyChange(int key, bool down);
  void writeName(int key, TNkEdit& edit);

  Target target_;
  PadMapper mapper_;
  ConfirmButton confirm_;
  std::map<int, std::string> names_;
  std::set<int> writingKeys_;  // arrows that went down into the name: their release stays there too
  int turning_ = 0;            // Up or Down while it turns the last letter
  int turnFrames_ = 0;
};

// The pads plugged in, for the snapshot: [{id, name, held}].
nlohmann::json DescribePads(const PadInput& pads);

}  // namespace nk
