// The screen flow: the window hands each state's building, tearing down and frames to the
// screen it belongs to, and applies the changes of screen they ask for.
#include "app/form1.h"
#include "app/form_screens.h"
#include "app/nk_timer.h"
#include "audio/nk_music.h"

namespace nk {

void TForm1::EnterState(Screen state) {
  FormScreens& screens = *screens_;
  switch (state) {
    case Screen::QuitDialog: screens.dialogs->enterQuitDialog(); break;
    case Screen::Title: break;  // the first screen is never entered again
    case Screen::MainMenu: screens.mainMenu->enter(); break;
    case Screen::Help: screens.help->enter(); break;
    case Screen::Options: screens.options->enter(); break;
    case Screen::HiScores: screens.hiScores->enterTable(); break;
    case Screen::ClearTable: screens.hiScores->enterClearTable(); break;
    case Screen::ExitConfirm: screens.wayOut->enterExitConfirm(); break;
    case Screen::LevelIntro: screens.intro->enter(); break;
    case Screen::Play: apply(screens.play->enter()); break;
    case Screen::LevelComplete: screens.levelComplete->enter(); break;
    case Screen::Shot: screens.caught->enterShot(); break;
    case Screen::ScoreDialog: screens.scoreDialog->enter(); break;
    case Screen::Pause: screens.dialogs->enterPause(); break;
    case Screen::TimeUp: screens.caught->enterTimeUp(); break;
    case Screen::QuickHelp: screens.quickHelp->enter(); break;
    case Screen::Laser: screens.caught->enterLaser(); break;
    case Screen::ExitScreen: screens.wayOut->enterExitScreen(); break;
  }
}

void TForm1::LeaveState(Screen state) {
  FormScreens& screens = *screens_;
  switch (state) {
    case Screen::QuitDialog: screens.dialogs->leaveQuitDialog(); break;
    case Screen::MainMenu: screens.mainMenu->leave(); break;
    case Screen::Help: screens.help->leave(); break;
    case Screen::Options: screens.options->leave(); break;
    case Screen::HiScores: screens.hiScores->leaveTable(); break;
    case Screen::ClearTable: screens.hiScores->leaveClearTable(); break;
    case Screen::ExitConfirm: screens.wayOut->leaveExitConfirm(); break;
    case Screen::LevelIntro: screens.intro->leave(); break;
    case Screen::Play: screens.play->leave(); break;
    case Screen::LevelComplete: screens.levelComplete->leave(); break;
    case Screen::Shot: screens.caught->leaveShot(); break;
    case Screen::ScoreDialog: screens.scoreDialog->leave(); break;
    case Screen::Pause: screens.dialogs->leavePause(); break;
    case Screen::TimeUp: screens.caught->leaveTimeUp(); break;
    case Screen::QuickHelp: screens.quickHelp->leave(); break;
    // The title is left by building over it, the laser's sequence by the lost life, and the
    // promotion screen by closing the window.
    case Screen::Title:
    case Screen::Laser:
    case Screen::ExitScreen: break;
  }
}

void TForm1::apply(const Transition& next) {
  handFramesOver(next.frames);
  for (const Screen screen : next.leave) LeaveState(screen);
  if (next.then) next.then();
  if (next.enter) EnterState(*next.enter);
  if (next.backToPlay) GameState.ScreenState = Screen::Play;
}

void TForm1::handFramesOver(FrameHandOver handOver) {
  switch (handOver) {
    case FrameHandOver::None: break;
    case FrameHandOver::MenuToGame: HandOver(*NkTimer1, *GameTimer); break;
    case FrameHandOver::GameToMenu: HandOver(*GameTimer, *NkTimer1); break;
    case FrameHandOver::GameToAnim: HandOver(*GameTimer, *AnimTimer); break;
    case FrameHandOver::AnimToGame: HandOver(*AnimTimer, *GameTimer); break;
  }
}

// The title, the menus and the way out.
void TForm1::NkTimer1Timer(TNkTimer&) {
  FormScreens& screens = *screens_;
  switch (GameState.ScreenState) {
    case Screen::Title: apply(screens.mainMenu->tickTitle()); break;
    case Screen::MainMenu: apply(screens.mainMenu->tick()); break;
    case Screen::Help: apply(screens.help->tick()); break;
    case Screen::Options: apply(screens.options->tick()); break;
    case Screen::HiScores: apply(screens.hiScores->tickTable()); break;
    case Screen::ClearTable: apply(screens.hiScores->tickClearTable()); break;
    case Screen::ExitConfirm: apply(screens.wayOut->tickExitConfirm()); break;
    case Screen::ExitScreen: screens.wayOut->tickExitScreen(); break;
    default: break;
  }
  // The menus' tick counter runs round 0 .. 10.
  if (++GameState.TickCounter > 10) GameState.TickCounter = 0;
}

// Play and the screens around it. Three frames go on after the change of screen they ask for:
// play draws its frame behind the dialog the player opened, the tally over whatever comes
// next, and a lost game's last time-up frame over the lose picture.
void TForm1::GameTimerTimer(TNkTimer&) {
  if (GameState.MusicOn) NkMusic1->ServiceLoops();
  FormScreens& screens = *screens_;
  switch (GameState.ScreenState) {
    case Screen::QuitDialog: apply(screens.dialogs->tickQuitDialog()); break;
    case Screen::LevelIntro: apply(screens.intro->tick()); break;
    case Screen::Play:
      if (screens.play->caughtByLaser()) {
        EnterState(Screen::Laser);
        break;
      }
      apply(screens.play->obey());
      screens.play->finishFrame();
      break;
    case Screen::LevelComplete:
      apply(screens.levelComplete->count());
      screens.levelComplete->drawFrame();
      break;
    case Screen::Shot: apply(screens.caught->tickShot()); break;
    case Screen::TimeUp:
      apply(screens.caught->countTimeUp());
      screens.caught->drawTimeUp();
      break;
    case Screen::ScoreDialog: apply(screens.scoreDialog->tick()); break;
    case Screen::Pause: apply(screens.dialogs->tickPause()); break;
    case Screen::QuickHelp: apply(screens.quickHelp->tick()); break;
    case Screen::Laser: apply(screens.caught->tickLaser()); break;
    default: break;
  }
}

// The burglar's actions: the action's tick, then its frame.
void TForm1::AnimTimerTimer(TNkTimer&) {
  apply(screens_->play->runAction());
  screens_->play->drawActionFrame();
}

void TForm1::Timer1Timer() { apply(screens_->play->secondPassed()); }

}  // namespace nk
