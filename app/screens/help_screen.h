#pragma once
#include <cstdint>

#include "app/menu_widgets.h"
#include "app/transition.h"

namespace nk {

// The help: three pages turned with Next and Prev, and Back to the main menu.
class HelpScreen {
 public:
  using Parts = MenuParts;
  explicit HelpScreen(Parts parts) : parts_(parts) {}

  void enter();
  void leave();
  Transition tick();
  // The page shown, 1 to 3.
  int32_t page() const { return HelpPage; }

 private:
  void showPage(const char* image);
  void next();
  void previous();

  Parts parts_;
  int32_t HelpPage = 1;
};

}  // namespace nk
