// The action frame timer: the burglar's actions, and handing the frames over to it and back.
#include "app/form1.h"
#include "game/actions.h"

namespace nk {

void TForm1::startAction(Action action) {
  Play.stateCounter = 0;
  Play.action(action) = 1;
  GameTimer->SetEnabled(false);
  AnimTimer->SetEnabled(true);
}

void TForm1::handBackToPlay() {
  AnimTimer->SetEnabled(false);
  GameTimer->SetEnabled(true);
}

void TForm1::AnimTimerTimer(TNkTimer&) {
  const ActionEnd end = RunActionTick({Play, levelBuilder, world, GameState, Sounds});
  if (end != ActionEnd::Running) handBackToPlay();
  if (end == ActionEnd::Shot || end == ActionEnd::SafeCracked) {
    Timer1->SetEnabled(false);
    EnterState(end == ActionEnd::Shot ? Screen::Shot : Screen::LevelComplete);
  }
  ++Play.stateCounter;
  beginFrame();
  NkSprite1->Move(1.0f);
  NkSprite1->Draw();
  // Over the cracked safe's picture the panel shows no numbers.
  if (!Play.SafeTaken) {
    drawSideNumbers(255);
    drawTime();
  }
  endFrame();
}

}  // namespace nk
