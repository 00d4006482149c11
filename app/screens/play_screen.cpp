#include "app/screens/play_screen.h"

#include <exception>
#include <optional>

#include <nlohmann/json.hpp>

#include "app/frame_painter.h"
#include "app/menu_text.h"
#include "app/side_panel.h"
#include "app/window_timer.h"
#include "audio/sound_board.h"
#include "codec/cp1251.h"
#include "engine/image_list_item.h"
#include "engine/nk_fader.h"
#include "engine/nk_sprite.h"
#include "game/actions.h"
#include "game/level_builder.h"
#include "game/level_file.h"
#include "game/play_commands.h"
#include "game/player.h"
#include "game/walking.h"
#include "game/world_objects.h"
#include "platform/files.h"
#include "platform/host.h"

namespace nk {

Transition PlayScreen::enter() {
  TGameState& game = parts_.game;
  TPlayState& play = parts_.play;
  const LevelConstants* constants = findLevelConstants(game.Level);
  if (constants == nullptr) return {};
  game.ScreenState = Screen::Play;
  play.timeMinutes = constants->timeMinutes;
  play.timeSeconds = constants->timeSeconds;
  LevelFile file;
  try {
    file = readLevelFile(nativePath(constants->file));
  } catch (const std::exception& e) {
    // A damaged house is no place to play: say which file and go back to the menu.
    parts_.host.showMessage(e.what(), "Nokturo");
    return {.frames = FrameHandOver::GameToMenu, .enter = Screen::MainMenu};
  }
  parts_.world.level = game.Level;
  parts_.builder.Build(file, *constants);
  parts_.frame.begin();
  parts_.font.SetFont("DS Zombie Cyr", 26);
  parts_.font.SetColor(255, 255, 255);
  parts_.fader.SetStartColor(0, 0, 0, 0);
  parts_.fader.SetEndColor(0, 0, 0, 0);
  parts_.fader.Stop();
  play.actions = {};
  play.SafeTaken = false;
  ClearKeyReleased(game);
  play.player = new TPlayer(parts_.world, constants->startColumn, constants->startRow);
  play.player->OnCaughtByLaser = [this] { caught_ = true; };
  play.thinkShown = false;
  new TPanel(parts_.world, 650, 0);
  for (size_t kind = 0; kind < play.playerKeys.size(); ++kind) {
    play.playerKeys[kind] =
        new TPlayerKeys(parts_.world, 664 + 32 * static_cast<int>(kind), 390, static_cast<int>(kind));
  }
  parts_.frame.end();
  if (game.Level == 1 && game.FirstGame) {
    game.FirstGame = false;
    return {.enter = Screen::QuickHelp};
  }
  parts_.clock.SetEnabled(true);
  return {};
}

void PlayScreen::leave() {
  ClearKeyReleased(parts_.game);
  parts_.builder.TearDown();
}

bool PlayScreen::caughtByLaser() {
  parts_.play.player->AnimActive = false;
  caught_ = false;
  parts_.world.sprites.Collision();
  return caught_;
}

Transition PlayScreen::obey() {
  TGameState& game = parts_.game;
  TPlayState& play = parts_.play;
  TPlayer& player = *play.player;
  parts_.frame.begin();
  const PlayCommand command = TakePlayCommand(game.KeyReleased, game.RightHeld, game.LeftHeld);
  // Whatever he is told to do next, the thought about the missing key goes.
  if (command != PlayCommand::None && command != PlayCommand::Stand)
    RemoveThinkBubble(play, parts_.world.sprites);
  std::optional<Action> action;
  switch (command) {
    case PlayCommand::None: break;
    case PlayCommand::Quit: parts_.clock.SetEnabled(false); return {.enter = Screen::QuitDialog};
    case PlayCommand::Walk:
      WalkStep(player, play.grid.cell(player.Column, player.Row), parts_.builder, game.RightHeld,
               game.LeftHeld);
      break;
    case PlayCommand::Stand: player.SetPatternIndex(0); break;
    case PlayCommand::Pause: parts_.clock.SetEnabled(false); return {.enter = Screen::Pause};
    case PlayCommand::Use: action = UseAction(player, play.grid); break;
    case PlayCommand::Take: action = TakeAction(player); break;
    case PlayCommand::ClimbDown: action = ClimbAction(player, play.grid, /*up=*/false); break;
    case PlayCommand::ClimbUp: action = ClimbAction(player, play.grid, /*up=*/true); break;
  }
  if (!action) return {};
  // The action's ticks run under their own frame timer, from 0.
  play.stateCounter = 0;
  play.action(*action) = 1;
  return {.frames = FrameHandOver::GameToAnim};
}

void PlayScreen::finishFrame() {
  TPlayState& play = parts_.play;
  TNkSprite& sprites = parts_.world.sprites;
  sprites.Dead();
  sprites.Move(1.0f);
  sprites.Draw();
  parts_.panel.drawNumbers(255);
  parts_.panel.drawTime();
  for (size_t kind = 0; kind < play.playerKeys.size(); ++kind) {
    if (play.player->CarriedKeys[kind] != 0 && play.playerKeys[kind] != nullptr) {
      play.playerKeys[kind]->Visible = true;
    }
  }
  parts_.frame.end();
  play.player->ClearTouching();
}

Transition PlayScreen::runAction() {
  switch (RunActionTick({parts_.play, parts_.builder, parts_.world, parts_.game, parts_.sounds})) {
    case ActionEnd::Running: return {};
    case ActionEnd::BackToPlay: return {.frames = FrameHandOver::AnimToGame};
    case ActionEnd::Shot:
      parts_.clock.SetEnabled(false);
      return {.frames = FrameHandOver::AnimToGame, .enter = Screen::Shot};
    case ActionEnd::SafeCracked:
      parts_.clock.SetEnabled(false);
      return {.frames = FrameHandOver::AnimToGame, .enter = Screen::LevelComplete};
  }
  return {};
}

void PlayScreen::drawActionFrame() {
  ++parts_.play.stateCounter;
  TNkSprite& sprites = parts_.world.sprites;
  parts_.frame.begin();
  sprites.Move(1.0f);
  sprites.Draw();
  // Over the cracked safe's picture the panel shows no numbers.
  if (!parts_.play.SafeTaken) {
    parts_.panel.drawNumbers(255);
    parts_.panel.drawTime();
  }
  parts_.frame.end();
}

Transition PlayScreen::secondPassed() {
  TPlayState& play = parts_.play;
  int32_t& minutes = play.timeMinutes;
  int32_t& seconds = play.timeSeconds;
  if (minutes != 0 || seconds != 0) --seconds;
  if (minutes == 0 && seconds >= 1 && seconds <= 10) parts_.sounds.PlayEffect("tic");
  if (seconds == -1) {
    seconds = 59;
    --minutes;
  }
  // At 0:00 the clock waits while he is busy, and ends the level the first second he is free.
  if (seconds > 0 || minutes > 0 || play.busy()) return {};
  play.stateCounter = 0;
  return {.enter = Screen::TimeUp};
}

namespace {

nlohmann::json describePlayer(const TPlayer* player) {
  if (player == nullptr) return nullptr;
  const auto& keys = player->CarriedKeys;
  return {{"column", player->Column},
          {"row", player->Row},
          {"roomPosition", player->RoomPosition},
          {"money", player->Money},
          {"keys", nlohmann::json::array({keys[0], keys[1], keys[2], keys[3]})},
          {"x", player->X},
          {"y", player->Y},
          {"image", player->Image != nullptr ? cp1251ToUtf8(player->Image->Name) : ""},
          {"frame", player->PatternIndex},
          {"alpha", player->Alpha},
          {"mirrored", player->FlipH}};
}

}  // namespace

void DescribePlay(const TPlayState& play, nlohmann::json& out) {
  nlohmann::json actions = nlohmann::json::array();
  for (size_t action = 0; action < kActionCount; ++action) {
    if (play.actions[action] != 0) actions.push_back(kActionNames[action]);
  }
  out.update({{"time", {{"minutes", play.timeMinutes}, {"seconds", play.timeSeconds}}},
              {"SafeTaken", play.SafeTaken},
              {"actions", actions},
              {"stateCounter", play.stateCounter},
              {"player", describePlayer(play.player)},
              {"origin", {{"x", play.grid.originX}, {"y", play.grid.originY}}}});
}

}  // namespace nk
