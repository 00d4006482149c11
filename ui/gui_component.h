#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/host.h"

namespace nk {

class TImageListItem;
class TGuiFont;
class TNkGUI;
class TNkGUIList;

// The mouse buttons held when a widget event fires.
struct TShiftState {
  bool Left = false, Right = false, Middle = false;
  bool operator==(const TShiftState&) const = default;
};

// How a widget looks in one state, and that state's animation.
struct TGuiState {
  TImageListItem* Image = nullptr;
  int32_t PatternIndex = -1;  // -1: the whole picture
  bool Animate = false;
  int32_t AnimStart = -1;
  int32_t AnimCount = 0;
  int32_t AnimSpeed = 0;  // tenths: a step every AnimSpeed div 10 draws
  bool AnimLoop = true;
  bool AnimReverse = false;
  bool AnimFinished = false;
  uint32_t Color = 0xFFFFFFFF;
  int32_t BlendMode = 0;  // -1 leaves the screen's blend mode
};

// The base of every widget. A widget is made by its list (TNkGUIList::Create), which owns it;
// its ID indexes the GUI's registry for as long as the GUI lives, and answers nothing once the
// widget is gone.
class TNkGUIComponent {
 public:
  using NotifyEvent = std::function<void(TNkGUIComponent& sender)>;
  // The sender of mouse events is the GUI, not the widget.
  using MouseEvent = std::function<void(TNkGUI& sender, MouseButton button, TShiftState shift, int x, int y)>;
  using KeyEvent = std::function<void(TNkGUIComponent& sender, uint16_t& key, TShiftState shift)>;

  enum State { stNormal = 0, stHover = 1, stPressed = 2, stOverlay = 3 };

  explicit TNkGUIComponent(TNkGUIList& list);
  virtual ~TNkGUIComponent();
  TNkGUIComponent(const TNkGUIComponent&) = delete;
  TNkGUIComponent& operator=(const TNkGUIComponent&) = delete;

  const int32_t ID;
  TNkGUIList& List;
  std::string Name;
  bool Visible = true;
  bool Enabled = true;  // takes part in pointer hit-testing
  int32_t X = 0, Y = 0;
  int32_t Width = 20, Height = 15;
  std::array<TGuiState, 4> States{};
  bool FlipV = false, FlipH = false;
  TGuiFont* Font;
  uint32_t FontColor;
  float CharRotation = 0;
  float ScaleX, ScaleY;
  float Rotation = 0;     // degrees
  bool Selected = false;  // shows the overlay state
  int32_t AnimTick = 0;
  NotifyEvent OnClick, OnDblClick, OnMouseEnter, OnMouseLeave;
  MouseEvent OnMouseDown, OnMouseUp;
  KeyEvent OnKeyDown;

  TNkGUI& GUI() const;
  void SetStateImage(int state, TImageListItem* image) { States[static_cast<size_t>(state)].Image = image; }
  // Sets both the pattern shown and the animation's first pattern.
  void SetStatePattern(int state, int32_t pattern);
  void BringToFront();
  // Takes the widget off its list, which frees it.
  void Destroy();

  virtual void Click();
  virtual void DblClick();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void MouseOver() {}
  virtual void KeyDown(bool isChar, uint16_t& key, TShiftState shift);
  virtual void Draw();

  // One step of the state's animation; run each time the state is drawn.
  void Animate(int state);
  void ResetAnimation(int state);

 protected:
  // Fires the event with this widget as sender; false when the handler freed the widget.
  bool fire(const NotifyEvent& event);
  // The state's picture at the widget's own size, when Selected (or when forced).
  void drawOverlay(bool show, float angle);
};

}  // namespace nk
