#pragma once
#include <cstdint>

#include "app/menu_widgets.h"
#include "app/transition.h"

namespace nk {

class MenuTextFont;
class SidePanel;
class TNkScreen;
class TTimer;

// The dialogs over play: "exit the game?", which gives the game up, and the pause.
class PlayDialogs {
 public:
  struct Parts : MenuParts {
    SidePanel& panel;
    TTimer& clock;       // stands still while a dialog is up
    TNkScreen& screen;   // the pause dims it
    MenuTextFont& font;  // and the side numbers with it
  };
  explicit PlayDialogs(Parts parts) : parts_(parts) {}

  void enterQuitDialog();
  // Starts the level clock again.
  void leaveQuitDialog();
  Transition tickQuitDialog();
  void enterPause();
  void leavePause();
  Transition tickPause();

 private:
  void setScreenGrey(uint8_t grey);

  Parts parts_;
};

}  // namespace nk
