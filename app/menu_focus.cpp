#include "app/menu_focus.h"

namespace nk {
namespace {

// Help: Back, Next and Prev; the arrows jump between them by where they sit on the page.
int32_t helpTarget(int32_t entry, FocusKey key) {
  const bool vertical = key == FocusKey::Up || key == FocusKey::Down;
  switch (entry) {
    case 0: return vertical ? 2 : entry;
    case 1: return vertical ? 0 : 2;
    case 2: return vertical ? 0 : 1;
    default: return entry;
  }
}

// Options: Apply and Cancel sit side by side under the switches and the name.
int32_t optionsTarget(int32_t entry, FocusKey key) {
  if (entry == 0 || entry == 1) {
    switch (key) {
      case FocusKey::Up: return 5;
      case FocusKey::Down: return 2;
      default: return 1 - entry;
    }
  }
  if (key == FocusKey::Up) return entry - 1;
  if (key == FocusKey::Down) return entry + 1;
  return entry;
}

}  // namespace

int32_t FocusTarget(Screen state, int32_t entry, FocusKey key) {
  switch (state) {
    case Screen::Help: return helpTarget(entry, key);
    case Screen::Options: return optionsTarget(entry, key);
    case Screen::HiScores:  // the table's buttons stand in a row
      return key == FocusKey::Left ? entry - 1 : key == FocusKey::Right ? entry + 1 : entry;
    default:  // the main menu and the yes/no dialogs: a column
      return key == FocusKey::Up ? entry - 1 : key == FocusKey::Down ? entry + 1 : entry;
  }
}

int32_t WrapFocus(int32_t entry, int32_t count) {
  if (entry > count - 1) return 0;
  if (entry < 0) return count - 1;
  return entry;
}

}  // namespace nk
