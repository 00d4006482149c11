#pragma once
#include "platform/render_device.h"

namespace nk {

class TNkScreen;

// Builds one textured, coloured quad at a time and hands it to the screen (one per image list).
class TNkRenderer {
 public:
  explicit TNkRenderer(TNkScreen& screen) : screen_(screen) { TakeDevice(); }

  // Neutral state: no flips, opaque white, the whole texture.
  void TakeDevice();
  // The source corners top-left, top-right, bottom-right, bottom-left, assigned to the vertices
  // through the flips.
  void SetTexCoords(float u1, float v1, float u2, float v2, float u3, float v3, float u4, float v4);
  // The corners with the half-pixel shifts of the right and bottom edges.
  void SetPositions(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
  void SetColors(uint32_t c1, uint32_t c2, uint32_t c3, uint32_t c4);
  // Turns (degrees, clockwise on screen) and scales every vertex about (cx, cy).
  void RotateScale(double cx, double cy, double angle, double sx, double sy);
  void Render();

  bool FlipVertical = false;
  bool FlipHorizontal = false;
  const QuadVertices& Vertices() const { return quad_; }
  TNkScreen& Screen() const { return screen_; }

 private:
  TNkScreen& screen_;
  QuadVertices quad_{};
};

}  // namespace nk
