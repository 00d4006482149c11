#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/host.h"
#include "ui/gui_component.h"

namespace nk {

class TNkScreen;

// The pointer as the widget layer last saw it.
struct TMouseState {
  int32_t X = 0, Y = 0;
  int32_t HoverID = -1;   // the widget under the pointer; 0 none; -1 no pointer move seen yet
  int32_t PressedID = 0;  // HoverID at the last left press; -1 after the release
  int32_t FocusID = 0;    // the widget that takes keys; 0 or -1 none
  bool LeftDown = false, RightDown = false, MiddleDown = false;
};

// One screen's widgets, drawn and hit-tested in order. Made and owned by its GUI.
class TNkGUIList {
 public:
  explicit TNkGUIList(TNkGUI& gui) : GUI(gui) {}
  TNkGUIList(const TNkGUIList&) = delete;
  TNkGUIList& operator=(const TNkGUIList&) = delete;

  std::string Name;
  TNkGUI& GUI;
  bool Active = true;   // takes part in mouse and key routing
  bool Visible = true;  // drawn, and takes part in mouse routing

  // A new widget at the end of the list, owned by it.
  template <typename Widget>
  Widget& Create() {
    auto widget = std::make_unique<Widget>(*this);
    Widget& made = *widget;
    widgets_.push_back(std::move(widget));
    return made;
  }
  const std::vector<std::unique_ptr<TNkGUIComponent>>& Widgets() const { return widgets_; }
  // Frees the widget.
  void Remove(const TNkGUIComponent& widget);
  // Moves the widget to the end: drawn last, hit last.
  void MoveToEnd(const TNkGUIComponent& widget);
  // Drawn last and hit-tested last of the GUI's lists.
  void BringToFront();
  void Draw();
  // Pointer hit-testing of the list's widgets against the GUI's mouse state.
  void MouseMove();
  // Frees the list and its widgets.
  void Destroy();

 private:
  std::vector<std::unique_ptr<TNkGUIComponent>> widgets_;
};

// The widget layer: its lists, the registry of widgets by ID, and the routing of the window's
// pointer, button and key messages to them.
class TNkGUI {
 public:
  explicit TNkGUI(Clock& clock) : clock_(clock) {}
  ~TNkGUI();
  TNkGUI(const TNkGUI&) = delete;
  TNkGUI& operator=(const TNkGUI&) = delete;

  TGuiFont* NkBitmapFont = nullptr;      // the default font of new widgets; not owned
  TImageListItem* Background = nullptr;  // drawn before all lists when set
  TMouseState Mouse, PrevMouse;
  // The window's client size; pointer positions are scaled from it to the screen's size.
  int ClientWidth = 0, ClientHeight = 0;

  // Joins the screen: its device creations and resets activate the input, its releases deactivate it.
  void SetNkScreen(TNkScreen& screen);
  TNkScreen* NkScreen() const { return screen_; }

  TNkGUIList& CreateList();
  void DestroyList(const TNkGUIList& list);
  const std::vector<std::unique_ptr<TNkGUIList>>& Lists() const { return lists_; }
  bool HasList(const TNkGUIList* list) const;
  // The live widget of that ID; nullptr for 0, unknown IDs and freed widgets.
  TNkGUIComponent* Widget(int32_t id) const;
  int32_t NextID() const { return static_cast<int32_t>(registry_.size()); }

  // Starts taking the window's messages (nothing without a screen), and rescales the pointer.
  void ActivateInput();
  void DeactivateInput();
  bool InputActive() const { return inputActive_; }
  float ScaleX() const { return scaleX_; }
  float ScaleY() const { return scaleY_; }

  void Draw();

  // The window's messages while input is active; each returns whether the layer consumed it,
  // so that the window does not see it.
  bool PointerMove(int x, int y);
  bool ButtonDown(MouseButton button, bool doubleClick = false);
  bool ButtonUp(MouseButton button);
  bool Character(uint16_t code);
  // Routed to the focused widget, then left to the window too.
  bool KeyDownMessage(uint16_t virtualKey);

 private:
  friend class TNkGUIComponent;
  friend class TNkGUIList;
  int32_t enrol(TNkGUIComponent* widget);
  void forget(int32_t id);
  void rescale();
  void buttonEvent(MouseButton button, bool down, bool doubleClick);
  void keyEvent(bool isChar, uint16_t code);

  Clock& clock_;
  TNkScreen* screen_ = nullptr;
  std::vector<std::unique_ptr<TNkGUIList>> lists_;
  // Entry N is the widget with ID N; entry 0 stands for the GUI itself and is never a widget.
  std::vector<TNkGUIComponent*> registry_{nullptr};
  bool inputActive_ = false;
  float scaleX_ = 1, scaleY_ = 1;
  std::optional<uint32_t> lastMove_;  // milliseconds of the last accepted pointer move
};

}  // namespace nk
