#include "soak/screen_log.h"

#include <algorithm>

namespace nk::test {

void ScreenLog::see(Screen screen, int64_t frame) {
  ++frames_[screen];
  if (screen != current_) {
    ++entries_[screen];
    if (screen == Screen::MainMenu) ++menuVisits_;
    current_ = screen;
    enteredAt_ = frame;
  }
  if (frame - enteredAt_ + 1 > longestStay_) {
    longestStay_ = frame - enteredAt_ + 1;
    longestStayIn_ = screen;
  }
  if (screen == Screen::MainMenu) lastMenu_ = frame;
  longestAway_ = std::max(longestAway_, frame - lastMenu_);
}

void ScreenLog::restarted(int64_t frame) {
  current_.reset();
  lastMenu_ = frame;
}

void ScreenLog::print(std::ostream& out) const {
  out << "screen  entries  frames\n";
  for (const auto& [screen, frames] : frames_) {
    const int number = static_cast<int>(screen);
    out << (number < 10 ? "     " : "    ") << number << "  " << entries_.at(screen) << "  " << frames
        << "\n";
  }
  out << "main menu visits: " << menuVisits_ << "; longest time away from it: " << longestAway_
      << " frames; longest stay in one screen: " << longestStay_ << " frames in screen "
      << (longestStayIn_ ? static_cast<int>(*longestStayIn_) : -1) << "\n";
}

}  // namespace nk::test
