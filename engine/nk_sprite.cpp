#include "engine/nk_sprite.h"

#include <algorithm>

#include "engine/sprite.h"

namespace nk {

TNkSprite::~TNkSprite() { Clear(); }

void TNkSprite::Insert(TSprite* sprite) {
  const auto at = std::lower_bound(sprites_.begin(), sprites_.end(), sprite->Z,
                                   [](const TSprite* s, int z) { return s->Z < z; });
  sprites_.insert(at, sprite);
}

void TNkSprite::Remove(TSprite* sprite) {
  const auto it = std::find(sprites_.begin(), sprites_.end(), sprite);
  if (it != sprites_.end()) sprites_.erase(it);
}

void TNkSprite::ForgetDead(TSprite* sprite) {
  const auto it = std::find(dead_.begin(), dead_.end(), sprite);
  if (it != dead_.end()) dead_.erase(it);
}

TSprite* TNkSprite::Items(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return sprites_[static_cast<size_t>(index)];
}

void TNkSprite::Move(float delta) {
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    if (TSprite* s = Items(i)) s->Move(delta);
  }
}

void TNkSprite::Draw() {
  for (int i = 0; i < Count(); ++i) sprites_[static_cast<size_t>(i)]->Draw();
}

void TNkSprite::Collision() {
  for (int i = 0; i < Count(); ++i) {
    for (int j = i + 1; j < Count(); ++j) {
      TSprite* a = Items(i);
      TSprite* b = Items(j);
      if (a != nullptr && b != nullptr && a->Collide && b->Collide) a->CollisionTest(*b);
    }
  }
}

void TNkSprite::Dead() {
  // Each destructor takes the sprite off both lists.
  while (!dead_.empty()) delete dead_.back();
}

void TNkSprite::Clear() {
  while (!sprites_.empty()) delete sprites_.back();
  dead_.clear();
}

}  // namespace nk
