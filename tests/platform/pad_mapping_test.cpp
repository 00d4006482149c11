#include "platform/pad_mapping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/keys.h"

namespace nk {
namespace {

struct KeyEvent {
  int key;
  bool down;
  bool operator==(const KeyEvent&) const = default;
};

std::ostream& operator<<(std::ostream& out, const KeyEvent& e) {
  return out << (e.down ? "down " : "up ") << e.key;
}

struct Mapper {
  std::vector<KeyEvent> events;
  PadMapper pads{[this](int key, bool down) { events.push_back({key, down}); }};
  std::vector<KeyEvent> take() { return std::exchange(events, {}); }
};

TEST(PadMapping, EveryButtonStandsForItsKey) {
  const struct {
    PadButton button;
    int key;
  } cases[] = {
      {PadButton::A, kPadConfirm},
      {PadButton::B, vk::Escape},
      {PadButton::Back, vk::Escape},
      {PadButton::X, vk::Control},
      {PadButton::Y, 'P'},
      {PadButton::Start, 'P'},
      {PadButton::DpadUp, vk::Up},
      {PadButton::DpadDown, vk::Down},
      {PadButton::DpadLeft, vk::Left},
      {PadButton::DpadRight, vk::Right},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(padButtonName(c.button)));
    Mapper m;
    m.pads.button(0, c.button, true);
    EXPECT_EQ(m.take(), (std::vector<KeyEvent>{{c.key, true}}));
    EXPECT_EQ(m.pads.held(0), std::vector<std::string>{std::string(padButtonName(c.button))});
    m.pads.button(0, c.button, false);
    EXPECT_EQ(m.take(), (std::vector<KeyEvent>{{c.key, false}}));
    EXPECT_TRUE(m.pads.held(0).empty());
  }
}

// The stick is taken past kStickPress and let go within kStickRelease, so a stick resting near the
// edge of the dead zone does not chatter.
TEST(PadMapping, TheStickHasADeadZoneAndHysteresis) {
  const int press = PadMapper::kStickPress, release = PadMapper::kStickRelease;
  const struct {
    const char* what;
    PadAxis axis;
    std::vector<int> values;
    std::vector<KeyEvent> events;
  } cases[] = {
      {"inside the dead zone", PadAxis::LeftX, {press - 1, -(press - 1), 0}, {}},
      {"pushed right and back", PadAxis::LeftX, {press, 0}, {{vk::Right, true}, {vk::Right, false}}},
      {"pushed left and back", PadAxis::LeftX, {-press, 0}, {{vk::Left, true}, {vk::Left, false}}},
      {"pushed up and back", PadAxis::LeftY, {kPadAxisMin, 0}, {{vk::Up, true}, {vk::Up, false}}},
      {"pushed down and back", PadAxis::LeftY, {kPadAxisMax, 0}, {{vk::Down, true}, {vk::Down, false}}},
      {"resting between the two edges",
       PadAxis::LeftX,
       {press, release + 1, press - 1, release + 1},
       {{vk::Right, true}}},
      {"back within the release edge",
       PadAxis::LeftX,
       {press, release, release - 1},
       {{vk::Right, true}, {vk::Right, false}}},
      {"swung across",
       PadAxis::LeftX,
       {kPadAxisMin, kPadAxisMax},
       {{vk::Left, true}, {vk::Left, false}, {vk::Right, true}}},
      {"between the edges, not yet taken", PadAxis::LeftY, {release + 1, press - 1}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Mapper m;
    for (int value : c.values) m.pads.axis(0, c.axis, value);
    EXPECT_EQ(m.take(), c.events);
  }
}

// A key goes up when the last control holding it lets go: the D-pad with the stick, two pads, the
// two Escape and the two P buttons.
TEST(PadMapping, AKeyHeldTwiceGoesUpWithTheLastHolder) {
  Mapper m;
  m.pads.button(0, PadButton::DpadRight, true);
  m.pads.axis(0, PadAxis::LeftX, kPadAxisMax);
  m.pads.button(1, PadButton::DpadRight, true);
  m.pads.button(0, PadButton::B, true);
  m.pads.button(0, PadButton::Back, true);
  EXPECT_EQ(m.take(), (std::vector<KeyEvent>{{vk::Right, true}, {vk::Escape, true}}));
  m.pads.button(0, PadButton::DpadRight, false);
  m.pads.axis(0, PadAxis::LeftX, 0);
  m.pads.button(0, PadButton::B, false);
  EXPECT_TRUE(m.take().empty());
  m.pads.button(1, PadButton::DpadRight, false);
  m.pads.button(0, PadButton::Back, false);
  EXPECT_EQ(m.take(), (std::vector<KeyEvent>{{vk::Right, false}, {vk::Escape, false}}));
}

TEST(PadMapping, APadThatGoesLetsGoOfAllItHeld) {
  Mapper m;
  m.pads.button(0, PadButton::A, true);
  m.pads.axis(0, PadAxis::LeftX, kPadAxisMin);
  m.pads.axis(0, PadAxis::LeftY, kPadAxisMax);
  m.pads.button(1, PadButton::DpadDown, true);
  EXPECT_EQ(m.pads.held(0), (std::vector<std::string>{"a", "leftx-", "lefty+"}));
  m.take();
  m.pads.remove(0);
  auto events = m.take();
  std::sort(events.begin(), events.end(), [](const KeyEvent& a, const KeyEvent& b) { return a.key < b.key; });
  // Down stays held by the other pad.
  EXPECT_EQ(events, (std::vector<KeyEvent>{{kPadConfirm, false}, {vk::Left, false}}));
  EXPECT_TRUE(m.pads.held(0).empty());
  m.pads.remove(0);
  m.pads.remove(7);
  EXPECT_TRUE(m.take().empty());
  // Coming back, the pad starts from nothing held.
  m.pads.axis(0, PadAxis::LeftX, 0);
  EXPECT_TRUE(m.take().empty());
}

TEST(PadControls, NamesAreSdlsAndGoBothWays) {
  const std::vector<std::string> buttons = {"a",     "b",    "x",      "y",      "back",
                                            "start", "dpup", "dpdown", "dpleft", "dpright"};
  for (const std::string& name : buttons) {
    const auto button = padButtonFromName(name);
    ASSERT_TRUE(button) << name;
    EXPECT_EQ(padButtonName(*button), name);
  }
  for (const std::string name : {"leftx", "lefty"}) {
    const auto axis = padAxisFromName(name);
    ASSERT_TRUE(axis) << name;
    EXPECT_EQ(padAxisName(*axis), name);
  }
  for (const char* unknown : {"", "A", "guide", "rightx", "dpad", "leftx "}) {
    EXPECT_FALSE(padButtonFromName(unknown)) << unknown;
    EXPECT_FALSE(padAxisFromName(unknown)) << unknown;
  }
}

}  // namespace
}  // namespace nk
