#pragma once

namespace nk {

class TNkEdit;

// A name written with a pad, arcade-style, one letter at a time at the end of the edit: Up and
// Down turn the last letter through the game's letters (А..Я, а..я, then the digits, and round
// again), Right adds a letter, Left takes the last one away. A last character that is none of
// those letters (or no character at all) turns to the first letter going up, to the last going
// down.
namespace pad_name {

// step: +1 for Up, -1 for Down. An empty name gets its first letter this way.
void turnLastLetter(TNkEdit& edit, int step);
// Adds "А", while the edit has room.
void addLetter(TNkEdit& edit);
void removeLastLetter(TNkEdit& edit);

}  // namespace pad_name
}  // namespace nk
