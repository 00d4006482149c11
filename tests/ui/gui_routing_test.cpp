#include <gtest/gtest.h>

#include "ui/gui_fixture.h"

namespace nk {
namespace {

using test::GuiFixture;

// What each widget heard, by ID.
struct Heard {
  std::vector<std::string> events;
  void listen(TNkGUIComponent& w) {
    const std::string id = std::to_string(w.ID);
    w.OnClick = [this, id](TNkGUIComponent&) { events.push_back("click " + id); };
    w.OnDblClick = [this, id](TNkGUIComponent&) { events.push_back("dblclick " + id); };
    w.OnMouseEnter = [this, id](TNkGUIComponent&) { events.push_back("enter " + id); };
    w.OnMouseLeave = [this, id](TNkGUIComponent&) { events.push_back("leave " + id); };
    w.OnMouseDown = [this, id](TNkGUI&, MouseButton, TShiftState, int, int) {
      events.push_back("down " + id);
    };
    w.OnMouseUp = [this, id](TNkGUI&, MouseButton, TShiftState, int, int) { events.push_back("up " + id); };
    w.OnKeyDown = [this, id](TNkGUIComponent&, uint16_t& key, TShiftState) {
      events.push_back("key " + id + " " + std::to_string(key));
    };
  }
};

TEST(GuiRegistry, IdsCountUpAcrossListsAndAreNeverReused) {
  GuiFixture f;
  auto& first = f.gui.CreateList();
  auto& a = first.Create<TNkButton>();
  auto& second = f.gui.CreateList();
  auto& b = second.Create<TNkEdit>();
  EXPECT_EQ(a.ID, 1);
  EXPECT_EQ(b.ID, 2);
  EXPECT_EQ(a.Caption, "1");
  EXPECT_EQ(f.gui.Widget(1), &a);
  EXPECT_EQ(f.gui.Widget(0), nullptr);  // entry 0 is the GUI itself
  first.Destroy();
  EXPECT_EQ(f.gui.Widget(1), nullptr);
  EXPECT_EQ(second.Create<TNkButton>().ID, 3);
  b.Destroy();
  EXPECT_TRUE(second.Widgets().size() == 1 && f.gui.Widget(2) == nullptr);
}

TEST(GuiRegistry, AFreedWidgetNeverHearsTheEventsMeantForIt) {
  const struct {
    const char* name;
    void (*act)(GuiFixture&);
  } cases[] = {
      {"release after a press", [](GuiFixture& f) { f.gui.ButtonUp(MouseButton::Left); }},
      {"double click", [](GuiFixture& f) { f.gui.ButtonDown(MouseButton::Left, true); }},
      {"right press", [](GuiFixture& f) { f.gui.ButtonDown(MouseButton::Right); }},
      {"typed character", [](GuiFixture& f) { f.gui.Character('a'); }},
      {"key down", [](GuiFixture& f) { f.gui.KeyDownMessage(37); }},
      {"pointer leaving", [](GuiFixture& f) { f.moveTo(500, 500); }},
  };
  for (const auto& c : cases) {
    GuiFixture f;
    Heard heard;
    auto& list = f.gui.CreateList();
    auto& edit = list.Create<TNkEdit>();
    edit.Width = 100;
    edit.Height = 30;
    heard.listen(edit);
    f.moveTo(10, 10);
    f.gui.ButtonDown(MouseButton::Left);
    edit.Focus();
    heard.events.clear();
    edit.Destroy();
    c.act(f);
    EXPECT_TRUE(heard.events.empty()) << c.name;
  }
}

TEST(GuiRegistry, AHandlerMayFreeItsOwnListWhileItRuns) {
  GuiFixture f;
  auto* list = &f.gui.CreateList();
  auto& b = f.button(*list, 0, 0, 50, 50);
  int clicks = 0;
  b.OnClick = [&](TNkGUIComponent&) {
    list->Destroy();
    ++clicks;
  };
  b.OnMouseEnter = [&](TNkGUIComponent&) { list->Destroy(); };
  f.moveTo(5, 5);  // enters and frees everything
  EXPECT_TRUE(f.gui.Lists().empty());
  list = &f.gui.CreateList();
  auto& c = f.button(*list, 0, 0, 50, 50);
  c.OnClick = [&](TNkGUIComponent&) {
    list->Destroy();
    ++clicks;
  };
  f.moveTo(6, 6);
  f.gui.ButtonDown(MouseButton::Left);
  f.gui.ButtonUp(MouseButton::Left);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(f.gui.Lists().empty());
}

TEST(GuiPointer, MovesCloserThanTenMillisecondsGoToTheWindow) {
  GuiFixture f;
  auto& list = f.gui.CreateList();
  auto& b = f.button(list, 100, 100, 50, 50);
  EXPECT_TRUE(f.gui.PointerMove(0, 0));
  f.host.clock().advanceMs(9);
  EXPECT_FALSE(f.gui.PointerMove(120, 120));
  EXPECT_EQ(f.gui.Mouse.HoverID, 0);
  f.host.clock().advanceMs(1);
  EXPECT_TRUE(f.gui.PointerMove(120, 120));
  EXPECT_EQ(f.gui.Mouse.HoverID, b.ID);
}

TEST(GuiPointer, AHalfSizeWindowDoublesThePointer) {
  GuiFixture f;
  f.gui.ClientWidth = 400;
  f.gui.ClientHeight = 300;
  f.gui.ActivateInput();
  EXPECT_FLOAT_EQ(f.gui.ScaleX(), 2);
  f.moveTo(150, 101);
  EXPECT_EQ(f.gui.Mouse.X, 300);
  EXPECT_EQ(f.gui.Mouse.Y, 202);
}

TEST(GuiPointer, HitTestingIncludesTheRightAndBottomEdges) {
  const struct {
    int x, y;
    bool inside;
  } cases[] = {{100, 100, true}, {150, 130, true}, {151, 130, false}, {150, 131, false}, {99, 100, false}};
  for (const auto& c : cases) {
    GuiFixture f;
    auto& b = f.button(f.gui.CreateList(), 100, 100, 50, 30);
    f.moveTo(c.x, c.y);
    EXPECT_EQ(f.gui.Mouse.HoverID == b.ID, c.inside) << c.x << "," << c.y;
  }
}

TEST(GuiPointer, TheLaterOfTwoOverlappingWidgetsHoldsTheHover) {
  GuiFixture f;
  Heard heard;
  auto& list = f.gui.CreateList();
  auto& under = f.button(list, 0, 0, 100, 100);
  auto& over = f.button(list, 50, 50, 100, 100);
  heard.listen(under);
  heard.listen(over);
  f.moveTo(60, 60);
  f.moveTo(61, 61);
  EXPECT_EQ(f.gui.Mouse.HoverID, over.ID);
  // The earlier one hears an enter on every move: the previous hover is never its own.
  EXPECT_EQ(heard.events, (std::vector<std::string>{"enter 1", "enter 2", "enter 1"}));
}

TEST(GuiPointer, ButtonEventsFollowThePressedAndHoveredWidgets) {
  const struct {
    const char* name;
    void (*act)(GuiFixture&);
    std::vector<std::string> events;
  } cases[] = {
      {"press and release on one widget",
       [](GuiFixture& f) {
         f.moveTo(10, 10);
         f.gui.ButtonDown(MouseButton::Left);
         f.gui.ButtonUp(MouseButton::Left);
       },
       {"enter 1", "down 1", "click 1"}},
      {"press on one, release on the other",
       [](GuiFixture& f) {
         f.moveTo(10, 10);
         f.gui.ButtonDown(MouseButton::Left);
         f.moveTo(210, 10);
         f.gui.ButtonUp(MouseButton::Left);
       },
       {"enter 1", "down 1", "leave 1", "enter 2", "up 2"}},
      {"double click, then the release",
       [](GuiFixture& f) {
         f.moveTo(10, 10);
         f.gui.ButtonDown(MouseButton::Left);
         f.gui.ButtonUp(MouseButton::Left);
         f.gui.ButtonDown(MouseButton::Left, true);
         f.gui.ButtonUp(MouseButton::Left);
       },
       {"enter 1", "down 1", "click 1", "dblclick 1", "up 1"}},
      {"buttons before any pointer move",
       [](GuiFixture& f) {
         f.gui.ButtonDown(MouseButton::Left);
         f.gui.ButtonUp(MouseButton::Left);
         f.gui.ButtonDown(MouseButton::Right);
       },
       {}},
      {"right press and release",
       [](GuiFixture& f) {
         f.moveTo(10, 10);
         f.gui.ButtonDown(MouseButton::Right);
         f.gui.ButtonUp(MouseButton::Right);
       },
       {"enter 1", "down 1", "up 1"}},
  };
  for (const auto& c : cases) {
    GuiFixture f;
    Heard heard;
    auto& list = f.gui.CreateList();
    heard.listen(f.button(list, 0, 0, 100, 100));
    heard.listen(f.button(list, 200, 0, 100, 100));
    c.act(f);
    EXPECT_EQ(heard.events, c.events) << c.name;
  }
}

TEST(GuiPointer, ADisabledWidgetIsNeverHoveredYetTakesKeysWithTheFocus) {
  GuiFixture f;
  Heard heard;
  auto& edit = f.gui.CreateList().Create<TNkEdit>();
  edit.Enabled = false;
  edit.Width = 100;
  heard.listen(edit);
  f.moveTo(10, 5);
  f.gui.ButtonDown(MouseButton::Left);
  f.gui.ButtonUp(MouseButton::Left);
  EXPECT_EQ(f.gui.Mouse.HoverID, 0);
  edit.Focus();
  f.gui.Character('a');
  EXPECT_EQ(heard.events, (std::vector<std::string>{"key 1 97"}));
  EXPECT_EQ(edit.Text, "a");
}

TEST(GuiKeys, KeysReachTheFocusedWidgetOnlyWhileItsListIsActiveAndInputIsOn) {
  GuiFixture f;
  auto& list = f.gui.CreateList();
  auto& edit = list.Create<TNkEdit>();
  f.gui.Character('a');  // nobody has the focus yet
  edit.Focus();
  f.gui.Character('b');
  list.Active = false;
  f.gui.Character('c');
  list.Active = true;
  f.gui.DeactivateInput();
  EXPECT_FALSE(f.gui.Character('d'));
  EXPECT_EQ(edit.Text, "b");
  EXPECT_FALSE(f.host.clock().fineResolution());
}

TEST(GuiKeys, EnterOrSpaceDownClicksAFocusedButtonButTheirCharactersDoNot) {
  GuiFixture f;
  auto& b = f.gui.CreateList().Create<TNkButton>();
  int clicks = 0;
  b.OnClick = [&](TNkGUIComponent&) { ++clicks; };
  f.gui.Mouse.FocusID = b.ID;
  f.gui.Character(13);
  f.gui.Character(32);
  f.gui.KeyDownMessage(65);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(f.gui.KeyDownMessage(13));  // the window still sees key downs
  f.gui.KeyDownMessage(32);
  EXPECT_EQ(clicks, 2);
}

}  // namespace
}  // namespace nk
