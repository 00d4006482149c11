#pragma once

namespace nk {

class TNkImageList;
class TNkScreen;

// What every screen's frame starts and ends with, and how the screens draw their pictures.
class FramePainter {
 public:
  FramePainter(TNkScreen& screen, TNkImageList& images) : screen_(screen), images_(images) {}

  // Clears to black and begins the scene and the image batch.
  void begin();
  // Ends the batch and presents the frame.
  void end();
  // Tile `pattern` of the picture at (x, y), as every screen draws its backgrounds: unturned,
  // unscaled, white, blend mode 0. Nothing when the library lacks the picture.
  void picture(const char* image, int pattern, int x = 0, int y = 0);

 private:
  TNkScreen& screen_;
  TNkImageList& images_;
};

}  // namespace nk
