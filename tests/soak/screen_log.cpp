#include "soak/screen_log.h"

#include <algorithm>

namespace nk::test {

void ScreenLog::see(int screenState, int64_t frame) {
  ++frames_[screenState];
  if (screenState != current_) {
    ++entries_[screenState];
    if (screenState == kMainMenu) ++menuVisits_;
    current_ = screenState;
    enteredAt_ = frame;
  }
  if (frame - enteredAt_ + 1 > longestStay_) {
    longestStay_ = frame - enteredAt_ + 1;
    longestStayIn_ = screenState;
  }
  if (screenState == kMainMenu) lastMenu_ = frame;
  longestAway_ = std::max(longestAway_, frame - lastMenu_);
}

void ScreenLog::restarted(int64_t frame) {
  current_ = -1;
  lastMenu_ = frame;
}

void ScreenLog::print(std::ostream& out) const {
  out << "screen  entries  frames\n";
  for (const auto& [state, frames] : frames_) {
    out << (state < 10 ? "     " : "    ") << state << "  " << entries_.at(state) << "  " << frames << "\n";
  }
  out << "main menu visits: " << menuVisits_ << "; longest time away from it: " << longestAway_
      << " frames; longest stay in one screen: " << longestStay_ << " frames in screen " << longestStayIn_
      << "\n";
}

}  // namespace nk::test
