#include "soak/monkey.h"

#include <algorithm>
#include <array>

#include "platform/keys.h"
#include "platform/pad_controls.h"

namespace nk::test {
namespace {

enum class Move { Key, Letter, PointerMove, Click, PadButton, PadStick, PadPlug };

struct Choice {
  Move move;
  int key;
  int weight;
};

// Most frames pass without input: menus and sequences get time to react and animate.
constexpr int kActOneFrameIn = 6;
// One level in this many is played without Escape.
constexpr int kPatientOneLevelIn = 4;

constexpr std::array kChoices{
    Choice{Move::Key, vk::Return, 7}, Choice{Move::Key, vk::Escape, 6},  Choice{Move::Key, vk::Left, 8},
    Choice{Move::Key, vk::Right, 8},  Choice{Move::Key, vk::Up, 8},      Choice{Move::Key, vk::Down, 8},
    Choice{Move::Key, vk::Space, 6},  Choice{Move::Key, vk::Control, 6}, Choice{Move::Key, vk::F1, 2},
    Choice{Move::Key, 'P', 2},        Choice{Move::Key, vk::Back, 2},    Choice{Move::Letter, 0, 4},
    Choice{Move::PointerMove, 0, 3},  Choice{Move::Click, 0, 4},         Choice{Move::PadButton, 0, 10},
    Choice{Move::PadStick, 0, 3},     Choice{Move::PadPlug, 0, 1},
};

constexpr int totalWeight() {
  int sum = 0;
  for (const Choice& c : kChoices) sum += c.weight;
  return sum;
}

}  // namespace

void Monkey::act(WindowEvents& window, int64_t frame, Screen screen) {
  if (screen != screen_ && screen == Screen::LevelIntro) patient_ = below(kPatientOneLevelIn) == 0;
  screen_ = screen;
  for (auto it = held_.begin(); it != held_.end();) {
    if (it->until > frame) {
      ++it;
      continue;
    }
    if (it->pad) {
      window.padButton(pad_, static_cast<PadButton>(it->key), false);
    } else {
      window.keyUp(it->key);
    }
    it = held_.erase(it);
  }
  if (below(kActOneFrameIn) != 0) return;
  int pick = below(totalWeight());
  const Choice* choice = kChoices.data();
  while (pick >= choice->weight) pick -= (choice++)->weight;
  switch (choice->move) {
    case Move::Key:
      if (choice->key != vk::Escape || !patient_ || screen != Screen::Play) press(window, choice->key, frame);
      break;
    case Move::Letter: type(window); break;
    case Move::PointerMove: point(window, false); break;
    case Move::Click: point(window, true); break;
    case Move::PadButton: padButton(window, frame); break;
    case Move::PadStick: padStick(window); break;
    case Move::PadPlug: pad_ < 0 ? plugPad(window) : unplugPad(window); break;
  }
}

void Monkey::releaseAll(WindowEvents& window) {
  for (const Held& h : held_) {
    if (!h.pad) window.keyUp(h.key);
  }
  held_.clear();
  if (pad_ >= 0) unplugPad(window);
}

// A key goes down and stays down for a moment; arrows often much longer, to walk somewhere.
void Monkey::press(WindowEvents& window, int key, int64_t frame) {
  if (std::any_of(held_.begin(), held_.end(), [key](const Held& h) { return !h.pad && h.key == key; }))
    return;
  window.keyDown(key);
  // As in the window: these keys also arrive as characters.
  if (key == vk::Back || key == vk::Return) window.character(static_cast<unsigned char>(key));
  const bool arrow = key >= vk::Left && key <= vk::Down;
  held_.push_back({key, frame + 1 + (arrow && below(2) == 0 ? below(240) : below(4))});
}

// A pad button, held as the keys are; the Escape buttons spare a patient level too.
void Monkey::padButton(WindowEvents& window, int64_t frame) {
  if (pad_ < 0) plugPad(window);
  const int button = below(kPadButtons);
  const bool escape = button == static_cast<int>(PadButton::B) || button == static_cast<int>(PadButton::Back);
  if ((escape && patient_ && screen_ == Screen::Play) ||
      std::any_of(held_.begin(), held_.end(), [button](const Held& h) { return h.pad && h.key == button; })) {
    return;
  }
  window.padButton(pad_, static_cast<PadButton>(button), true);
  const bool dpad = button >= static_cast<int>(PadButton::DpadUp);
  held_.push_back({button, frame + 1 + (dpad && below(2) == 0 ? below(240) : below(4)), true});
}

// Anywhere on either axis, the dead zone and its edges included.
void Monkey::padStick(WindowEvents& window) {
  if (pad_ < 0) plugPad(window);
  window.padAxis(pad_, below(2) == 0 ? PadAxis::LeftX : PadAxis::LeftY, kPadAxisMin + below(65536));
}

void Monkey::plugPad(WindowEvents& window) {
  pad_ = nextPad_++;
  window.padAdded(pad_, "Monkey pad");
}

// Pulled out with whatever it holds: the game lets go of it.
void Monkey::unplugPad(WindowEvents& window) {
  window.padRemoved(pad_);
  held_.erase(std::remove_if(held_.begin(), held_.end(), [](const Held& h) { return h.pad; }), held_.end());
  pad_ = -1;
}

void Monkey::type(WindowEvents& window) {
  const int letter = 'A' + below(26);
  window.keyDown(letter);
  window.character(static_cast<unsigned char>(below(2) == 0 ? letter : letter + ('a' - 'A')));
  window.keyUp(letter);
}

void Monkey::point(WindowEvents& window, bool click) {
  const int x = below(800), y = below(600);
  window.mouseMove(x, y);
  if (!click) return;
  window.mouseDown(MouseButton::Left, x, y);
  window.mouseUp(MouseButton::Left, x, y);
}

}  // namespace nk::test
