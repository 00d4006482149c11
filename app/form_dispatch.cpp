// The screen flow: the window hands each state's building, tearing down and frames to the
// screen it belongs to, and applies the changes of screen they ask for.
#include "app/form1.h"
#include "app/form_screens.h"
#include "app/nk_timer.h"
#include "audio/nk_music.h"

namespace nk {

void TForm1::EnterState(Screen state) {
  FormScreens& s = *screens_;
  switch (state) {
    case Screen::QuitDialog: s.dialogs->enterQuitDialog(); break;
    case Screen::Title: break;  // the first screen is never entered again
    case Screen::MainMenu: s.mainMenu->enter(); break;
    case Screen::Help: s.help->enter(); break;
    case Screen::Options: s.options->enter(); break;
    case Screen::HiScores: s.hiScores->enterTable(); break;
    case Screen::ClearTable: s.hiScores->enterClearTable(); break;
    case Screen::ExitConfirm: s.wayOut->enterExitConfirm(); break;
    case Screen::LevelIntro: s.intro->enter(); break;
    case Screen::Play: apply(s.play->enter()); break;
    case Screen::LevelComplete: s.levelComplete->enter(); break;
    case Screen::Shot: s.caught->enterShot(); break;
    case Screen::ScoreDialog: s.scoreDialog->enter(); break;
    case Screen::Pause: s.dialogs->enterPause(); break;
    case Screen::TimeUp: s.caught->enterTimeUp(); break;
    case Screen::QuickHelp: s.quickHelp->enter(); break;
    case Screen::Laser: s.caught->enterLaser(); break;
    case Screen::ExitScreen: s.wayOut->enterExitScreen(); break;
  }
}

void TForm1::LeaveState(Screen state) {
  FormScreens& s = *screens_;
  switch (state) {
    case Screen::QuitDialog: s.dialogs->leaveQuitDialog(); break;
    case Screen::MainMenu: s.mainMenu->leave(); break;
    case Screen::Help: s.help->leave(); break;
    case Screen::Options: s.options->leave(); break;
    case Screen::HiScores: s.hiScores->leaveTable(); break;
    case Screen::ClearTable: s.hiScores->leaveClearTable(); break;
    case Screen::ExitConfirm: s.wayOut->leaveExitConfirm(); break;
    case Screen::LevelIntro: s.intro->leave(); break;
    case Screen::Play: s.play->leave(); break;
    case Screen::LevelComplete: s.levelComplete->leave(); break;
    case Screen::Shot: s.caught->leaveShot(); break;
    case Screen::ScoreDialog: s.scoreDialog->leave(); break;
    case Screen::Pause: s.dialogs->leavePause(); break;
    case Screen::TimeUp: s.caught->leaveTimeUp(); break;
    case Screen::QuickHelp: s.quickHelp->leave(); break;
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
  FormScreens& s = *screens_;
  switch (GameState.ScreenState) {
    case Screen::Title: apply(s.mainMenu->tickTitle()); break;
    case Screen::MainMenu: apply(s.mainMenu->tick()); break;
    case Screen::Help: apply(s.help->tick()); break;
    case Screen::Options: apply(s.options->tick()); break;
    case Screen::HiScores: apply(s.hiScores->tickTable()); break;
    case Screen::ClearTable: apply(s.hiScores->tickClearTable()); break;
    case Screen::ExitConfirm: apply(s.wayOut->tickExitConfirm()); break;
    case Screen::ExitScreen: s.wayOut->tickExitScreen(); break;
    default: break;
  }
  if (++GameState.TickCounter > 10) GameState.TickCounter = 0;
}

// Play and the screens around it. Three frames go on after the change of screen they ask for:
// play draws its frame behind the dialog the player opened, the tally over whatever comes
// next, and a lost game's last time-up frame over the lose picture.
void TForm1::GameTimerTimer(TNkTimer&) {
  if (GameState.MusicOn) NkMusic1->ServiceLoops();
  FormScreens& s = *screens_;
  switch (GameState.ScreenState) {
    case Screen::QuitDialog: apply(s.dialogs->tickQuitDialog()); break;
    case Screen::LevelIntro: apply(s.intro->tick()); break;
    case Screen::Play:
      if (s.play->caughtByLaser()) {
        EnterState(Screen::Laser);
        break;
      }
      apply(s.play->obey());
      s.play->finishFrame();
      break;
    case Screen::LevelComplete:
      apply(s.levelComplete->count());
      s.levelComplete->drawFrame();
      break;
    case Screen::Shot: apply(s.caught->tickShot()); break;
    case Screen::TimeUp:
      apply(s.caught->countTimeUp());
      s.caught->drawTimeUp();
      break;
    case Screen::ScoreDialog: apply(s.scoreDialog->tick()); break;
    case Screen::Pause: apply(s.dialogs->tickPause()); break;
    case Screen::QuickHelp: apply(s.quickHelp->tick()); break;
    case Screen::Laser: apply(s.caught->tickLaser()); break;
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
