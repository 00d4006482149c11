#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "ui/share_description.h"

namespace nk {

class Host;
class TImageListCollection;
class TNkFont;
class TNkImageList;
class TNkScreen;

// The exit promotion screen: the pictures and buttons of "wdata\config.ini", shown on the way
// out until its countdown lets the player go.
class TShareScreen : public ShareDescription {
 public:
  struct Parts {
    Host& host;                              // the shell, and the window's close request
    TNkScreen& screen;                       // whose device the pictures' textures are made for
    TNkImageList& pictures;                  // the screen's own pictures (ShareList)
    const TImageListCollection& gameImages;  // where the pointer picture comes from
    TNkFont& counterFont;                    // writes the countdown
  };
  explicit TShareScreen(Parts parts) : parts_(parts) {}

  int32_t BackgroundIndex = -1;

  // Reads the description and loads its pictures; anything wrong only clears Valid.
  void Load();
  // Where the pointer is, in back-buffer pixels.
  struct Point {
    int32_t x, y;
  };
  void PointerAt(int32_t x, int32_t y) { pointer_ = Point{x, y}; }
  const std::optional<Point>& Pointer() const { return pointer_; }
  void UpdateHover();
  void Draw();
  // A left click: every button under the pointer, in order.
  void ClickHovered();
  // The number the countdown shows now; 0 once it has run out.
  int32_t CountdownNumber() const;

 private:
  bool addPicture(const std::string& file, int32_t& index);
  void drawCountdown();

  Parts parts_;
  std::optional<Point> pointer_;  // none until the pointer has been seen over the window
};

}  // namespace nk
