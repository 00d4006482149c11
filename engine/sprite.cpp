#include "engine/sprite.h"

#include <algorithm>

#include "engine/color.h"
#include "engine/image_list_item.h"
#include "engine/nk_round.h"
#include "engine/nk_sprite.h"

namespace nk {
namespace {

int columnsOf(const TImageListItem& image) {
  return image.TileWidth() >= 1 ? image.PictureWidth() / image.TileWidth() : 0;
}

int patternsOf(const TImageListItem& image) {
  return image.TileHeight() >= 1 ? columnsOf(image) * (image.PictureHeight() / image.TileHeight()) : 0;
}

}  // namespace

TSprite::TSprite(TNkSprite& engine) : Engine(engine) { Engine.Insert(this); }

TSprite::~TSprite() {
  Engine.Remove(this);
  Engine.ForgetDead(this);
}

void TSprite::GetPatternRect(int& left, int& top, int& right, int& bottom) {
  left = top = right = bottom = 0;
  if (Image == nullptr) return;
  const int columns = columnsOf(*Image);
  const int patterns = patternsOf(*Image);
  PatternIndex = std::clamp(PatternIndex, 0, std::max(0, patterns - 1));
  if (columns < 1) return;
  left = Image->TileWidth() * (PatternIndex % columns);
  right = left + Image->TileWidth();
  top = Image->TileHeight() * (PatternIndex / columns);
  bottom = top + Image->TileHeight();
}

void TSprite::setTint() {
  Color1 = Color2 = Color3 = Color4 = MakeColor(static_cast<uint8_t>(Red), static_cast<uint8_t>(Green),
                                                static_cast<uint8_t>(Blue), static_cast<uint8_t>(Alpha));
}

void TSprite::SetRed(int v) { Red = v, setTint(); }
void TSprite::SetGreen(int v) { Green = v, setTint(); }
void TSprite::SetBlue(int v) { Blue = v, setTint(); }
void TSprite::SetAlpha(int v) { Alpha = v, setTint(); }

void TSprite::SetPatternIndex(int i) {
  PatternIndex = i;
  if (Image == nullptr) return;
  const int columns = columnsOf(*Image);
  if (columns < 1) return;
  PatternLeft = (i % columns) * Image->TileWidth();
  PatternTop = (i / columns) * Image->TileHeight();
  const int patterns = patternsOf(*Image);
  if (patterns < i) PatternIndex = patterns;
}

void TSprite::SetX(float x) {
  X = x;
  X2 = X3 = x + static_cast<float>(Width);
  X4 = x;
  Left = NkRound(x);
  Right = Left + Width;
  MidX = static_cast<float>(Width) / 2 + x;
}

void TSprite::SetY(float y) {
  Y = y;
  Y2 = y;
  Y3 = Y4 = y + static_cast<float>(Height);
  Top = NkRound(y);
  Bottom = Top + Height;
  MidY = static_cast<float>(Height) / 2 + y;
}

void TSprite::SetZ(int z) {
  if (z == Z) return;
  Z = z;
  Engine.Remove(this);
  Engine.Insert(this);
}

void TSprite::SetImage(TImageListItem* item) {
  Image = item;
  if (item == nullptr) return;
  Width = item->TileWidth();
  Height = item->TileHeight();
  Right = Left + Width;
  Bottom = Top + Height;
  SetX(X);
  SetY(Y);
}

void TSprite::SetWidth(int w) {
  Width = w;
  Right = Left + w;
}

void TSprite::SetHeight(int h) {
  Height = h;
  Bottom = Top + h;
}

void TSprite::Assign(const TSprite& s) {
  SetName(s.Name);
  X = s.X, Y = s.Y, X2 = s.X2, Y2 = s.Y2, X3 = s.X3, Y3 = s.Y3, X4 = s.X4, Y4 = s.Y4;
  SetZ(s.Z);
  SetRed(s.Red);
  SetGreen(s.Green);
  SetBlue(s.Blue);
  SetAlpha(s.Alpha);
  Color1 = s.Color1, Color2 = s.Color2, Color3 = s.Color3, Color4 = s.Color4;
  SetPatternIndex(s.PatternIndex);
  Collide = s.Collide, PixelCheck = s.PixelCheck, PixelOnly = s.PixelOnly;
  Angle = s.Angle;
  SetImage(s.Image);
  ScaleX = s.ScaleX, ScaleY = s.ScaleY, OffsetX = s.OffsetX, OffsetY = s.OffsetY;
  CenterX = s.CenterX, CenterY = s.CenterY;
  FlipV = s.FlipV, FlipH = s.FlipH;
  BlendMode = s.BlendMode;
  Visible = s.Visible;
  ScreenFixed = s.ScreenFixed;
}

void TSprite::CollisionTest(TSprite& other) {
  if (!Collide || !other.Collide || IsDead || other.IsDead) return;
  if (std::max(Left, other.Left) >= std::min(Right, other.Right) ||
      std::max(Top, other.Top) >= std::min(Bottom, other.Bottom)) {
    return;
  }
  if (!(PixelCheck && other.PixelCheck) && !PixelOnly && !other.PixelOnly) {
    OnCollision(other, 0, 0);
    other.OnCollision(*this, 0, 0);
    return;
  }
  int x = 0, y = 0;
  if (!pixelTest(other, x, y)) return;
  OnCollision(other, x - Left, y - Top);
  other.OnCollision(*this, x - other.Left, y - other.Top);
}

// Looks for the first world pixel where both sprites' texels are solid (non-zero). The last row and
// column of the overlap are not looked at.
bool TSprite::pixelTest(const TSprite& other, int& hitX, int& hitY) const {
  if (!PixelCheck || !other.PixelCheck) return false;
  const int left = std::max(Left, other.Left), top = std::max(Top, other.Top);
  if (this == &other) {
    hitX = left, hitY = top;
    return true;
  }
  if (Image == nullptr || other.Image == nullptr || Image->Texture() == 0 || other.Image->Texture() == 0)
    return false;
  const int right = std::min(Right, other.Right), bottom = std::min(Bottom, other.Bottom);
  auto solid = [](const TSprite& s, int x, int y) {
    const int column = (s.FlipH ? s.Right - x - 1 : x - s.Left) + s.PatternLeft;
    const int row = (s.FlipV ? s.Bottom - y - 1 : y - s.Top) + s.PatternTop;
    return s.Image->Solid(column, row);
  };
  for (int y = top; y <= bottom - 2; ++y) {
    for (int x = left; x <= right - 2; ++x) {
      if (solid(*this, x, y) && solid(other, x, y)) {
        hitX = x, hitY = y;
        return true;
      }
    }
  }
  return false;
}

void TSprite::Dead() {
  if (IsDead) return;
  IsDead = true;
  Engine.MarkDead(this);
}

void TSprite::Draw() {
  if (!Visible || Image == nullptr) return;
  if (Image->Renderer() == nullptr || Image->Texture() == 0) {
    Engine.Messages().messageBox("No NkImageList assigned to sprite!", "Error");
    return;
  }
  int sx = NkRound(X + OffsetX), sy = NkRound(Y + OffsetY);
  if (!ScreenFixed) {
    sx = NkRound(static_cast<float>(sx) - Engine.WorldX);
    sy = NkRound(static_cast<float>(sy) - Engine.WorldY);
  }
  if (Engine.DrawAreaX1 != 0 || Engine.DrawAreaY1 != 0 || Engine.DrawAreaX2 != 0 || Engine.DrawAreaY2 != 0) {
    if (!(Engine.DrawAreaX1 <= sx + Width && sx <= Engine.DrawAreaX2 && Engine.DrawAreaY1 <= sy + Height &&
          sy <= Engine.DrawAreaY2)) {
      return;
    }
  }
  Image->DrawColor4(sx, sy, Angle, CenterX, CenterY, ScaleX, ScaleY, Color1, Color2, Color3, Color4, FlipV,
                    FlipH, PatternIndex, BlendMode);
}

void TSimpleAnimSprite::Assign(const TSprite& source) {
  if (const auto* anim = dynamic_cast<const TSimpleAnimSprite*>(&source)) {
    AnimActive = anim->AnimActive;
    SetAnimStart(anim->AnimStart);
    AnimCount = anim->AnimCount;
    AnimSpeed = anim->AnimSpeed;
    AnimLooped = anim->AnimLooped;
  }
  TSprite::Assign(source);
}

void TSimpleAnimSprite::SetAnimStart(int start) {
  AnimStart = start;
  AnimPos = static_cast<float>(start);
}

void TSimpleAnimSprite::Move(float delta) {
  if (!AnimActive) return;
  const auto first = static_cast<float>(AnimStart), last = static_cast<float>(AnimStart + AnimCount - 1);
  if (!AnimReverse) {
    AnimPos += delta * AnimSpeed;
    if (AnimPos > last) {
      if (AnimLooped) {
        AnimPos = first;
      } else {
        AnimPos = last;
        AnimActive = false;
      }
    }
  } else {
    AnimPos -= delta * AnimSpeed;
    if (AnimPos < first) {
      if (AnimLooped) {
        AnimPos = last;
      } else {
        AnimPos = first;
        AnimActive = false;
      }
    }
  }
  PatternIndex = NkRound(AnimPos);
}

}  // namespace nk
