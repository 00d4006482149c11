#pragma once
#include <string>

#include "app/menu_widgets.h"
#include "app/transition.h"

namespace nk {

class Host;
class MenuTextFont;

// The high-score table and the question whether to clear it, which comes up over the table.
class HiScoreScreens {
 public:
  struct Parts : MenuParts {
    MenuTextFont& font;              // writes the ten rows
    Host& host;                      // opens the online table
    const std::string& scoreServer;  // where the online table is
  };
  explicit HiScoreScreens(Parts parts) : parts_(parts) {}

  void enterTable();
  void leaveTable();
  Transition tickTable();
  // The table's panel and cursor stay underneath; only its buttons go.
  void enterClearTable();
  // The dialog's panel and cursor and the table's.
  void leaveClearTable();
  Transition tickClearTable();

 private:
  Parts parts_;
};

}  // namespace nk
