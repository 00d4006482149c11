#pragma once
#include <functional>
#include <utility>

#include "app/menu_widgets.h"
#include "app/transition.h"

namespace nk {

class TNkBitmapFont;
class TNkScreen;

// The options: full screen, music and sound switches and the player's name, kept by Apply and
// thrown away by Cancel or Escape.
class OptionsScreen {
 public:
  struct Parts : MenuParts {
    TNkScreen& screen;                 // Apply switches its display mode
    TNkBitmapFont& font;               // the name edit's letters
    std::function<void()> saveConfig;  // Apply writes Config.cfg
  };
  explicit OptionsScreen(Parts parts) : parts_(std::move(parts)) {}

  void enter();
  // Keeps the typed name in PlayerName.
  void leave();
  Transition tick();

 private:
  void addSwitch(int index, int y, bool& setting);
  void toggleSwitch(int index, bool& setting);
  Transition apply();
  Transition cancel();
  // Enter on the name: editing starts or ends.
  void toggleEditing();

  Parts parts_;
};

}  // namespace nk
