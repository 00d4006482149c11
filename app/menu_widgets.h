#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "app/transition.h"

namespace nk {

class FramePainter;
class MenuWidgets;
class SoundBoard;
class TImageListItem;
class TKeyCurs;
class TNkButton;
class TNkEdit;
class TNkGUI;
class TNkGUIComponent;
class TNkGUIList;
struct TGameState;
struct World;

// What every menu and dialog screen works with; a screen's own parts add the rest.
struct MenuParts {
  TGameState& game;
  MenuWidgets& menu;
  FramePainter& frame;
  const World& world;
  SoundBoard& sounds;
};

// The current menu or dialog: its widget list, its focusable entries in focus order, its text
// edit and the selection cursor, with what every menu and dialog does with them.
class MenuWidgets {
 public:
  struct Parts {
    TNkGUI& gui;
    TGameState& game;  // the focus, the key releases, the caret's blink
    const World& world;
    FramePainter& frame;
    SoundBoard& sounds;
  };
  explicit MenuWidgets(Parts parts) : parts_(parts) {}

  TNkGUIList* MenuList = nullptr;                 // owned by the widget layer
  std::array<TNkGUIComponent*, 7> MenuButtons{};  // owned by the list
  int32_t MenuButtonCount = 0;
  TNkEdit* ActiveEdit = nullptr;  // owned by the list
  TKeyCurs* KeyCursor = nullptr;  // owned by the sprite engine

  // What a button does; the window applies the change of screens it asks for.
  using Action = std::function<Transition()>;

  void newList();
  void freeList();
  // A keyboard-driven button showing tile 0 of the image; a selectable one shows tile 1 over
  // itself while Selected.
  TNkButton& addButton(int index, const char* image, int x, int y, Action action, bool selectable = false);
  // Yes and No at their places, highlighted by the cursor as it moves between them.
  void addYesNo(Action yes, Action no);
  // The widget's normal look: that tile of the image, the widget sized to the tile.
  TImageListItem* setNormalLook(TNkGUIComponent& widget, const char* image, int32_t pattern);
  TNkEdit& addNameEdit(const char* name, const char* image, int x, int y, const std::string& text);

  void newKeyCursor();
  void killKeyCursor();
  // Frees the sprite at the head of the engine's list, `times` times: a menu screen holds its
  // panel and the cursor there, so this takes both down.
  void freeFirstSprite(int times);

  void moveFocus(bool withSound);
  // Calls the focused entry's OnClick, as Enter does.
  Transition activateFocused();
  // The keys of a menu screen: the arrows move the focus, Enter activates, Escape goes back.
  Transition keys(const Action& back);
  // The caret shows for 31 frames and hides for 32.
  void blinkCaret();
  // A menu screen's frame up to its own drawing: "mainback", the sprites, the widgets.
  void beginFrame();
  // A whole frame of a menu screen: its keys, and while it is still up the frame with the
  // screen's own drawing, if any, last.
  Transition screenFrame(const Action& back, const std::function<void()>& drawOwn = {});
  void drawWidgets();
  // The cursor draws itself again on top of everything.
  void drawCursor();

 private:
  void highlightYesNo(int selected);

  Parts parts_;
  Transition clicked_;  // what the button just activated asks for
};

// Every widget of every list, as the snapshot shows them.
nlohmann::json DescribeWidgets(const TNkGUI& gui);

}  // namespace nk
