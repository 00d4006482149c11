#include "app/window_timer.h"

namespace nk {

void TTimer::SetEnabled(bool value) {
  if (value == Enabled()) return;
  if (value) {
    id_ = app_.startTimer(interval_, [this] {
      if (OnTimer) OnTimer();
    });
  } else {
    app_.killTimer(id_);
    id_ = 0;
  }
}

}  // namespace nk
