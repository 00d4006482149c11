#pragma once
#include <vector>

#include "engine/message_sink.h"

namespace nk {

class TSprite;

// The sprite engine: every sprite in one list ordered by Z, and the passes the game runs each
// tick: move, collision, draw, and freeing the dead.
class TNkSprite {
 public:
  explicit TNkSprite(MessageSink& messages) : messages_(messages) {}
  ~TNkSprite();
  TNkSprite(const TNkSprite&) = delete;
  TNkSprite& operator=(const TNkSprite&) = delete;

  // The culling rectangle in screen pixels; all zero draws everything.
  int DrawAreaX1 = 0, DrawAreaY1 = 0, DrawAreaX2 = 0, DrawAreaY2 = 0;
  // The scroll position, subtracted from every sprite that is not ScreenFixed.
  float WorldX = 0, WorldY = 0;

  void Move(float delta);
  void Draw();
  void Collision();
  // Frees the sprites marked dead, last marked first.
  void Dead();
  // Frees every sprite.
  void Clear();

  TSprite* Items(int index) const;
  int Count() const { return static_cast<int>(sprites_.size()); }
  const std::vector<TSprite*>& DeadList() const { return dead_; }

  // Before older sprites of the same Z.
  void Insert(TSprite* sprite);
  void Remove(TSprite* sprite);
  void MarkDead(TSprite* sprite) { dead_.push_back(sprite); }
  void ForgetDead(TSprite* sprite);
  MessageSink& Messages() const { return messages_; }

 private:
  MessageSink& messages_;
  std::vector<TSprite*> sprites_;  // owned: sprites are freed by Dead, Clear or direct deletion
  std::vector<TSprite*> dead_;
};

}  // namespace nk
