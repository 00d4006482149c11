#pragma once
#include <string>

#include "app/menu_widgets.h"
#include "app/transition.h"

namespace nk {

// Opening the dialog draws this many frames at once, blocking, before it takes any input.
inline constexpr int kScoreDialogOpeningFrames = 300;

class Host;
class MenuTextFont;
class TGuiBitmapFont;
class TNkBitmapFont;
class TNkFader;
class TTimer;

// The end of every game: the player's name, then whether to send the score; either answer
// ranks it into the table.
class ScoreDialog {
 public:
  struct Parts : MenuParts {
    MenuTextFont& font;            // writes the score
    TNkBitmapFont& bitmapFont;     // greyed for the dialog
    TNkBitmapFont& nameFont;       // the name edit's own
    TGuiBitmapFont& nameEditFont;  // the same, as the edit sees it
    TNkFader& fader;
    TTimer& clock;  // must not run out behind the dialog
    Host& host;     // the score report
    const std::string& scoreServer;
  };
  explicit ScoreDialog(Parts parts) : parts_(parts) {}

  void enter();
  void leave();
  Transition tick();

 private:
  void addWidgets();
  void takeName();
  Transition answer(bool send);
  void setBitmapFontGrey();
  void drawFrame();

  Parts parts_;
  bool typingScoreName = false;  // the first phase
};

}  // namespace nk
