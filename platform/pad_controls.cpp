#include "platform/pad_controls.h"

#include <array>

namespace nk {
namespace {

constexpr std::array<std::string_view, kPadButtons> kButtonNames = {
    "a", "b", "x", "y", "back", "start", "dpup", "dpdown", "dpleft", "dpright"};
constexpr std::array<std::string_view, kPadAxes> kAxisNames = {"leftx", "lefty"};

}  // namespace

std::string_view padButtonName(PadButton button) { return kButtonNames[static_cast<size_t>(button)]; }

std::string_view padAxisName(PadAxis axis) { return kAxisNames[static_cast<size_t>(axis)]; }

std::optional<PadButton> padButtonFromName(std::string_view name) {
  for (size_t i = 0; i < kButtonNames.size(); ++i) {
    if (kButtonNames[i] == name) return static_cast<PadButton>(i);
  }
  return std::nullopt;
}

std::optional<PadAxis> padAxisFromName(std::string_view name) {
  for (size_t i = 0; i < kAxisNames.size(); ++i) {
    if (kAxisNames[i] == name) return static_cast<PadAxis>(i);
  }
  return std::nullopt;
}

}  // namespace nk
