#pragma once
#include <optional>
#include <string_view>

namespace nk {

// The controls of a game controller the game listens to, named as SDL's game-controller API names
// them (SDL_GameControllerGetStringForButton and ..ForAxis): a script's `pad` commands use the
// same names.
enum class PadButton { A, B, X, Y, Back, Start, DpadUp, DpadDown, DpadLeft, DpadRight };
enum class PadAxis { LeftX, LeftY };

inline constexpr int kPadButtons = 10;
inline constexpr int kPadAxes = 2;
// SDL's range of a stick axis: left and up are negative.
inline constexpr int kPadAxisMin = -32768, kPadAxisMax = 32767;

std::string_view padButtonName(PadButton button);
std::string_view padAxisName(PadAxis axis);
std::optional<PadButton> padButtonFromName(std::string_view name);
std::optional<PadAxis> padAxisFromName(std::string_view name);

}  // namespace nk
