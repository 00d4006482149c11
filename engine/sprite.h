#pragma once
#include <cstdint>
#include <string>

namespace nk {

class TNkSprite;
class TImageListItem;

// The base of every object on screen. Its public fields are the game objects' working state;
// the setters keep the derived values (corners, collision rectangle, list order) in step.
// A sprite belongs to its engine: it inserts itself on creation, and is freed by the engine's
// Dead pass or by deleting it directly (which takes it off the engine's lists).
class TSprite {
 public:
  explicit TSprite(TNkSprite& engine);
  virtual ~TSprite();
  TSprite(const TSprite&) = delete;
  TSprite& operator=(const TSprite&) = delete;

  // The class name the snapshot shows ("TDoor", "TSprite", ...).
  virtual const char* ClassName() const { return "TSprite"; }

  // The virtual operations, in their slot order.
  virtual void GetPatternRect(int& left, int& top, int& right, int& bottom);
  virtual void SetName(const std::string& text) { Name = text; }
  virtual void SetRed(int v);
  virtual void SetGreen(int v);
  virtual void SetBlue(int v);
  virtual void SetAlpha(int v);
  virtual void SetPatternIndex(int i);
  virtual void SetX(float x);
  virtual void SetY(float y);
  virtual void SetZ(int z);
  virtual void SetImage(TImageListItem* item);
  virtual void SetWidth(int w);
  virtual void SetHeight(int h);
  virtual void Assign(const TSprite& source);
  virtual void CollisionTest(TSprite& other);
  virtual void Dead();
  virtual void OnCollision(TSprite& /*other*/, int /*x*/, int /*y*/) {}
  virtual void Move(float /*delta*/) {}
  virtual void Draw();

  TNkSprite& Engine;
  std::string Name;
  float X = 0, Y = 0;
  float X2 = 10, Y2 = 0, X3 = 10, Y3 = 10, X4 = 0, Y4 = 10;
  int PatternLeft = 0, PatternTop = 0;
  int PatternIndex = 0;
  bool Visible = true;
  bool ScreenFixed = false;
  float MidX = 5, MidY = 5;
  int BlendMode = 0;
  int Z = 0;
  bool FlipH = false, FlipV = false;
  float CenterX = 0, CenterY = 0;
  uint32_t Color1 = 0xFFFFFFFF, Color2 = 0xFFFFFFFF, Color3 = 0xFFFFFFFF, Color4 = 0xFFFFFFFF;
  int Red = 255, Green = 255, Blue = 255, Alpha = 255;
  bool Collide = false;
  bool PixelCheck = false;
  bool PixelOnly = false;
  float Angle = 0;
  TImageListItem* Image = nullptr;
  float ScaleX = 1, ScaleY = 1;
  float OffsetX = 0, OffsetY = 0;
  int Width = 10, Height = 10;
  int Left = 0, Top = 0, Right = 10, Bottom = 10;
  bool IsDead = false;

 private:
  void setTint();
  bool pixelTest(const TSprite& other, int& x, int& y) const;
};

// A sprite that steps through a run of patterns.
class TSimpleAnimSprite : public TSprite {
 public:
  explicit TSimpleAnimSprite(TNkSprite& engine) : TSprite(engine) {}
  const char* ClassName() const override { return "TSimpleAnimSprite"; }

  void Assign(const TSprite& source) override;
  void Move(float delta) override;
  // Also moves the position to the new start.
  void SetAnimStart(int start);

  bool AnimActive = false;
  bool AnimLooped = false;
  int AnimStart = 0;
  int AnimCount = 0;
  bool AnimReverse = false;
  float AnimSpeed = 0;
  float AnimPos = 0;
};

}  // namespace nk
