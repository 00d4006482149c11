#pragma once
#include "ui/gui_component.h"

namespace nk {

// Names are written in the game's own letters, which are Cyrillic. A player on a Latin layout
// types them all the same: each Latin letter stands for the letter that the standard Russian layout
// puts on the same key, so "ghbdtn" typed on a US keyboard is "привет".

// The character the Russian layout types on the key where a US layout types c (Windows-1251);
// c itself for a key the two layouts share or a character no key of the US layout types.
char RussianOnSameKey(char c);

// The hook the name edits type through: a character their font has goes in as it is, any other
// becomes the Russian layout's on its key. (The hook sees key codes too; the editing keys' codes
// are all characters of the font, so they pass unchanged.)
TNkGUIComponent::KeyEvent TypeOnEitherLayout();

}  // namespace nk
