#pragma once
#include "app/menu_widgets.h"
#include "app/transition.h"

namespace nk {

class Host;
struct TPlayState;

// The title picture and the main menu, where every game starts.
class MainMenu {
 public:
  struct Parts : MenuParts {
    TPlayState& play;  // a new game starts its counter afresh
    Host& host;        // opens the more-games link
  };
  explicit MainMenu(Parts parts) : parts_(parts) {}

  // Entering the main menu always prepares a new game.
  void enter();
  void leave();
  // Any key let go opens the main menu; the mouse does not.
  Transition tickTitle();
  Transition tick();
  // Start: the first house's intro, under the game's frame timer and tune.
  Transition startGame();

 private:
  void addButtons();
  // Options, the table or the help, from the main menu.
  Transition open(Screen next);

  Parts parts_;
};

}  // namespace nk
