#pragma once
#include <string>
#include <vector>

#include "engine/nk_screen.h"
#include "support/test_host.h"
#include "ui/gui_font.h"
#include "ui/nk_button.h"
#include "ui/nk_edit.h"
#include "ui/nk_gui.h"

namespace nk::test {

// A font of fixed 10 x 20 cells over a given character set that writes down what it is asked to draw.
class FakeFont final : public TGuiFont {
 public:
  explicit FakeFont(std::string characters = "abcABC123 ") : characters_(std::move(characters)) {}
  struct Written {
    int x, y;
    float angle;
    std::string text;
  };
  const std::string& Characters() const override { return characters_; }
  uint32_t Color() const override { return 0xFF102030; }
  float ScaleX() const override { return 1; }
  float ScaleY() const override { return 1; }
  int CharHeight() const override { return 20; }
  int TextWidth(const std::string& text) const override { return static_cast<int>(text.size()) * 10; }
  int TextHeight() const override { return 20; }
  void SetRotationCenter(float, float) override {}
  void TextOutColor(int x, int y, float angle, float, float, uint32_t, const std::string& text,
                    int) override {
    written.push_back({x, y, angle, text});
  }
  std::vector<Written> written;

 private:
  std::string characters_;
};

// A GUI with its input on, over an 800 x 600 screen shown in an 800 x 600 window.
struct GuiFixture {
  GuiFixture() {
    gui.ClientWidth = 800;
    gui.ClientHeight = 600;
    gui.NkBitmapFont = &font;
    gui.SetNkScreen(screen);
    gui.ActivateInput();
  }
  // A pointer move that the 10 ms throttle lets through.
  void moveTo(int x, int y) {
    host.clock().advanceMs(10);
    gui.PointerMove(x, y);
  }
  TNkButton& button(TNkGUIList& list, int x, int y, int w, int h) {
    auto& b = list.Create<TNkButton>();
    b.X = x;
    b.Y = y;
    b.Width = w;
    b.Height = h;
    return b;
  }

  TestHost host;
  TNkScreen screen{host};
  FakeFont font;
  TNkGUI gui{host.clock()};
};

}  // namespace nk::test
