#pragma once

namespace nk {

// Windows virtual-key codes: the game's key tables are indexed by them.
namespace vk {
constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Pause = 19, Escape = 27,
              Space = 32, Prior = 33, Next = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39,
              Down = 40, Insert = 45, Delete = 46, F1 = 112, F12 = 123;
}

// The virtual-key code of an SDL key event, 0 for keys the game has no code for. Letters and digits
// go by the key's place (its scancode), as Windows codes do under any layout: the key marked P/З
// is 80 on a Russian layout too. Every other key goes by what the layout makes of it (its keycode).
int virtualKeyFromSdl(int sdlScancode, int sdlKeycode);

}  // namespace nk
