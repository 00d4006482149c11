#pragma once
// The game window's screens and the helpers they share; the window makes and owns them.
#include <memory>

#include "app/frame_painter.h"
#include "app/menu_widgets.h"
#include "app/screens/caught_sequences.h"
#include "app/screens/help_screen.h"
#include "app/screens/hi_score_screens.h"
#include "app/screens/level_complete.h"
#include "app/screens/level_intro.h"
#include "app/screens/main_menu.h"
#include "app/screens/options_screen.h"
#include "app/screens/play_dialogs.h"
#include "app/screens/play_screen.h"
#include "app/screens/quick_help.h"
#include "app/screens/score_dialog.h"
#include "app/screens/way_out.h"
#include "app/side_panel.h"

namespace nk {

struct FormScreens {
  std::unique_ptr<FramePainter> frame;
  std::unique_ptr<MenuWidgets> menu;
  std::unique_ptr<SidePanel> panel;

  std::unique_ptr<MainMenu> mainMenu;  // and the title
  std::unique_ptr<HelpScreen> help;
  std::unique_ptr<OptionsScreen> options;
  std::unique_ptr<HiScoreScreens> hiScores;  // the table and clearing it
  std::unique_ptr<WayOut> wayOut;            // the exit question and the promotion screen

  std::unique_ptr<LevelIntro> intro;
  std::unique_ptr<PlayScreen> play;
  std::unique_ptr<QuickHelp> quickHelp;
  std::unique_ptr<LevelComplete> levelComplete;
  std::unique_ptr<CaughtSequences> caught;
  std::unique_ptr<PlayDialogs> dialogs;  // quitting and the pause
  std::unique_ptr<ScoreDialog> scoreDialog;
};

}  // namespace nk
