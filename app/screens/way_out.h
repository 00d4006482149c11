#pragma once
#include <cstdint>

#include <nlohmann/json_fwd.hpp>

#include "app/menu_widgets.h"
#include "app/transition.h"

namespace nk {

class Host;
class TNkGUI;
class TNkImageList;
class TNkScreen;
class TShareScreen;

// The way out of the game: "exit the game?" from the main menu, then the promotion screen,
// which lets the window close once its countdown is over.
class WayOut {
 public:
  struct Parts : MenuParts {
    TNkGUI& gui;  // gives up the window's input for good
    TNkScreen& screen;
    TNkImageList& pictures;  // the promotion screen's own (ShareList)
    TShareScreen& promotion;
    Host& host;  // closes the window
  };
  explicit WayOut(Parts parts) : parts_(parts) {}

  void enterExitConfirm();
  void leaveExitConfirm();
  Transition tickExitConfirm();
  void enterExitScreen();
  void tickExitScreen();
  // A left click on the promotion screen presses the buttons under it.
  void click(int32_t x, int32_t y);
  bool countdownOver() const;

 private:
  Parts parts_;
};

// The promotion screen as the snapshot shows it: whether it shows, its countdown, the pointer
// and its buttons.
nlohmann::json DescribePromotion(const TShareScreen& promotion);

}  // namespace nk
