#include "app/pad_input.h"

#include <nlohmann/json.hpp>

#include "app/pad_name_edit.h"
#include "codec/cp1251.h"
#include "platform/keys.h"

namespace nk {
namespace {

bool isArrow(int key) { return key >= vk::Left && key <= vk::Down; }

}  // namespace

PadInput::PadInput(Target target)
    : target_(std::move(target)), mapper_([this](int key, bool down) { keyChange(key, down); }) {}

void PadInput::added(int pad, const std::string& name) { names_[pad] = name; }

void PadInput::removed(int pad) {
  mapper_.remove(pad);
  names_.erase(pad);
}

void PadInput::button(int pad, PadButton button, bool down) { mapper_.button(pad, button, down); }

void PadInput::axis(int pad, PadAxis axis, int value) { mapper_.axis(pad, axis, value); }

void PadInput::keyChange(int key, bool down) {
  if (key == kPadConfirm) {
    if (down) {
      target_.key(confirm_.press(target_.screen()), true);
    } else if (const auto released = confirm_.release(target_.screen())) {
      target_.key(*released, false);
    }
    return;
  }
  if (!down) {
    if (writingKeys_.erase(key) != 0) {
      if (turning_ == key) turning_ = 0;
      return;
    }
    target_.key(key, false);
    return;
  }
  if (TNkEdit* edit = isArrow(key) ? target_.nameBeingEdited() : nullptr) {
    writingKeys_.insert(key);
    writeName(key, *edit);
    return;
  }
  target_.key(key, true);
}

void PadInput::writeName(int key, TNkEdit& edit) {
  switch (key) {
    case vk::Up:
    case vk::Down:
      pad_name::turnLastLetter(edit, key == vk::Up ? 1 : -1);
      turning_ = key;
      turnFrames_ = 0;
      break;
    case vk::Right: pad_name::addLetter(edit); break;
    case vk::Left: pad_name::removeLastLetter(edit); break;
    default: break;
  }
}

void PadInput::frame() {
  confirm_.screenIs(target_.screen());
  if (turning_ == 0) return;
  TNkEdit* edit = target_.nameBeingEdited();
  if (edit == nullptr) {
    turning_ = 0;
    return;
  }
  ++turnFrames_;
  if (turnFrames_ >= kTurnAfter && (turnFrames_ - kTurnAfter) % kTurnEvery == 0)
    pad_name::turnLastLetter(*edit, turning_ == vk::Up ? 1 : -1);
}

std::vector<PadInput::Pad> PadInput::pads() const {
  std::vector<Pad> out;
  for (const auto& [id, name] : names_) out.push_back({id, name, mapper_.held(id)});
  return out;
}

nlohmann::json DescribePads(const PadInput& pads) {
  nlohmann::json out = nlohmann::json::array();
  for (const PadInput::Pad& pad : pads.pads())
    out.push_back({{"id", pad.id}, {"name", cp1251ToUtf8(pad.name)}, {"held", pad.held}});
  return out;
}

}  // namespace nk
