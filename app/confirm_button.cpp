#include "app/confirm_button.h"

#include "platform/keys.h"

namespace nk {
namespace {

constexpr int kPlay = 12;

}  // namespace

int ConfirmButton::press(int screenState) {
  pressedOn_ = screenState;
  key_ = screenState == kPlay ? vk::Space : vk::Return;
  return key_;
}

void ConfirmButton::screenIs(int screenState) {
  if (pressedOn_ && *pressedOn_ != screenState) pressedOn_.reset();
}

std::optional<int> ConfirmButton::release(int screenState) {
  screenIs(screenState);
  if (!pressedOn_) return std::nullopt;
  pressedOn_.reset();
  return key_;
}

}  // namespace nk
