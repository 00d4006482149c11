#include "platform/pad_mapping.h"

#include <algorithm>
#include <array>

#include "platform/keys.h"

namespace nk {
namespace {

// The stick's four ways, numbered after the buttons.
enum StickWay { kStickLeft = kPadButtons, kStickRight, kStickUp, kStickDown };

constexpr int button(PadButton b) { return static_cast<int>(b); }

struct Binding {
  int control;
  int key;
};

// The mapping. README's controls table lists the same.
constexpr Binding kMapping[] = {
    {button(PadButton::DpadLeft), vk::Left},   {kStickLeft, vk::Left},
    {button(PadButton::DpadRight), vk::Right}, {kStickRight, vk::Right},
    {button(PadButton::DpadUp), vk::Up},       {kStickUp, vk::Up},
    {button(PadButton::DpadDown), vk::Down},   {kStickDown, vk::Down},
    {button(PadButton::A), kPadConfirm},       {button(PadButton::X), vk::Control},
    {button(PadButton::B), vk::Escape},        {button(PadButton::Back), vk::Escape},
    {button(PadButton::Start), 'P'},           {button(PadButton::Y), 'P'},
};

constexpr std::array<int, kPadButtons + 4> keysOfControls() {
  std::array<int, kPadButtons + 4> keys{};
  keys.fill(-1);
  for (const Binding& b : kMapping) keys[static_cast<size_t>(b.control)] = b.key;
  return keys;
}
constexpr auto kKeyOf = keysOfControls();
static_assert(std::ranges::all_of(kKeyOf, [](int key) { return key >= 0; }),
              "every control of the pad has a key");

std::string controlName(int control) {
  switch (control) {
    case kStickLeft: return "leftx-";
    case kStickRight: return "leftx+";
    case kStickUp: return "lefty-";
    case kStickDown: return "lefty+";
    default: return std::string(padButtonName(static_cast<PadButton>(control)));
  }
}

}  // namespace

void PadMapper::button(int pad, PadButton b, bool down) { set(pad, nk::button(b), down); }

void PadMapper::axis(int pad, PadAxis axis, int value) {
  const bool across = axis == PadAxis::LeftX;
  const int negative = across ? kStickLeft : kStickUp, positive = across ? kStickRight : kStickDown;
  const std::bitset<kControls>& held = pads_[pad];
  const bool wasNegative = held[static_cast<size_t>(negative)],
             wasPositive = held[static_cast<size_t>(positive)];
  set(pad, negative, value <= -(wasNegative ? kStickRelease : kStickPress));
  set(pad, positive, value >= (wasPositive ? kStickRelease : kStickPress));
}

void PadMapper::remove(int pad) {
  const auto it = pads_.find(pad);
  if (it == pads_.end()) return;
  for (int control = 0; control < kControls; ++control) set(pad, control, false);
  pads_.erase(pad);
}

std::vector<std::string> PadMapper::held(int pad) const {
  std::vector<std::string> names;
  const auto it = pads_.find(pad);
  if (it == pads_.end()) return names;
  for (int control = 0; control < kControls; ++control) {
    if (it->second[static_cast<size_t>(control)]) names.push_back(controlName(control));
  }
  return names;
}

void PadMapper::set(int pad, int control, bool on) {
  auto& held = pads_[pad];
  const auto bit = static_cast<size_t>(control);
  if (held[bit] == on) return;
  held[bit] = on;
  const int key = kKeyOf[bit];
  int& holders = holders_[key];
  holders += on ? 1 : -1;
  if (holders == (on ? 1 : 0)) change_(key, on);
}

}  // namespace nk
