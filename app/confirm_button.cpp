#include "app/confirm_button.h"

#include "platform/keys.h"

namespace nk {

int ConfirmButton::press(Screen screen) {
  pressedOn_ = screen;
  key_ = screen == Screen::Play ? vk::Space : vk::Return;
  return key_;
}

void ConfirmButton::screenIs(Screen screen) {
  if (pressedOn_ && *pressedOn_ != screen) pressedOn_.reset();
}

std::optional<int> ConfirmButton::release(Screen screen) {
  screenIs(screen);
  if (!pressedOn_) return std::nullopt;
  pressedOn_.reset();
  return key_;
}

}  // namespace nk
