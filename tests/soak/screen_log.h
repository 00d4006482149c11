#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>

#include "game/screen_states.h"

namespace nk::test {

// Which screens a long run reached, the longest it stayed in one, and the longest it went
// without the main menu: a screen the player cannot leave shows up as an ever longer stay.
class ScreenLog {
 public:
  void see(Screen screen, int64_t frame);
  // The run started the game again (after the window closed): a fresh start counts as a return.
  void restarted(int64_t frame);

  bool reached(Screen screen) const { return frames_.contains(screen); }
  int64_t menuVisits() const { return menuVisits_; }
  int64_t longestStay() const { return longestStay_; }
  int64_t longestAwayFromMenu() const { return longestAway_; }
  void print(std::ostream& out) const;

 private:
  std::map<Screen, int64_t> frames_;  // frames spent in each screen state
  std::map<Screen, int64_t> entries_;
  std::optional<Screen> current_;
  int64_t enteredAt_ = 0, lastMenu_ = 0, menuVisits_ = 0;
  int64_t longestStay_ = 0, longestAway_ = 0;
  std::optional<Screen> longestStayIn_;
};

}  // namespace nk::test
