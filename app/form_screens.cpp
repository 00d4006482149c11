// The window's composition root for the screens: each gets only the parts it works with.
#include "app/form_screens.h"

#include "app/form1.h"
#include "app/nk_font_text.h"
#include "app/window_timer.h"
#include "engine/nk_fader.h"
#include "engine/nk_image_list.h"
#include "engine/nk_screen.h"
#include "ui/gui_bitmap_font.h"
#include "ui/nk_gui.h"
#include "ui/share_screen.h"

namespace nk {

void TForm1::makeScreens() {
  screens_ = std::make_unique<FormScreens>();
  FormScreens& screens = *screens_;
  screens.frame = std::make_unique<FramePainter>(*NkScreen1, *NkImageList1);
  screens.menu =
      std::make_unique<MenuWidgets>(MenuWidgets::Parts{*NkGUI1, GameState, world, *screens.frame, Sounds});
  screens.panel = std::make_unique<SidePanel>(*menuFont, GameState, Play);
  makeMenuScreens();
  makePlayScreens();
}

void TForm1::makeMenuScreens() {
  FormScreens& screens = *screens_;
  const MenuParts menu{GameState, *screens.menu, *screens.frame, world, Sounds};
  screens.mainMenu = std::make_unique<MainMenu>(MainMenu::Parts{menu, Play, host});
  screens.help = std::make_unique<HelpScreen>(menu);
  screens.options = std::make_unique<OptionsScreen>(
      OptionsScreen::Parts{menu, *NkScreen1, *NkBitmapFont1, [this] { saveConfigOrReport(); }});
  screens.hiScores =
      std::make_unique<HiScoreScreens>(HiScoreScreens::Parts{menu, *menuFont, host, options.scoreServer});
  screens.wayOut =
      std::make_unique<WayOut>(WayOut::Parts{menu, *NkGUI1, *NkScreen1, *ShareList, *ShareScreen, host});
}

void TForm1::makePlayScreens() {
  FormScreens& screens = *screens_;
  FramePainter& frame = *screens.frame;
  SidePanel& panel = *screens.panel;
  screens.intro = std::make_unique<LevelIntro>(LevelIntro::Parts{GameState, frame, world, *menuFont});
  screens.play = std::make_unique<PlayScreen>(PlayScreen::Parts{
      GameState, Play, levelBuilder, world, frame, panel, *menuFont, *NkFader1, *Timer1, Sounds, host});
  screens.quickHelp =
      std::make_unique<QuickHelp>(QuickHelp::Parts{GameState, Play, frame, world, panel, *Timer1});
  screens.levelComplete = std::make_unique<LevelComplete>(
      LevelComplete::Parts{GameState, Play, frame, world, *menuFont, panel, Sounds});
  screens.caught = std::make_unique<CaughtSequences>(
      CaughtSequences::Parts{GameState, Play, frame, world, panel, *NkFader1, *Timer1, Sounds});
  const MenuParts menu{GameState, *screens.menu, frame, world, Sounds};
  screens.dialogs =
      std::make_unique<PlayDialogs>(PlayDialogs::Parts{menu, panel, *Timer1, *NkScreen1, *menuFont});
  screens.scoreDialog = std::make_unique<ScoreDialog>(
      ScoreDialog::Parts{menu, *menuFont, *NkBitmapFont1, *NameEditFont, *nameEditGuiFont, *NkFader1, *Timer1,
                         host, options.scoreServer});
}

}  // namespace nk
