#include "engine/nk_renderer.h"

#include <cmath>
#include <numbers>

#include "engine/nk_screen.h"

namespace nk {

void TNkRenderer::TakeDevice() {
  FlipVertical = FlipHorizontal = false;
  SetPositions(0, 0, 0, 0, 0, 0, 0, 0);
  SetTexCoords(0, 0, 1, 0, 1, 1, 0, 1);
  SetColors(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
}

void TNkRenderer::SetTexCoords(float u1, float v1, float u2, float v2, float u3, float v3, float u4,
                               float v4) {
  const float u[4] = {u1, u2, u3, u4}, v[4] = {v1, v2, v3, v4};
  // Which source corner each vertex takes: mirroring swaps corners, both mirrors turn it half round.
  static constexpr int kNoFlip[4] = {0, 1, 2, 3}, kH[4] = {1, 0, 3, 2}, kV[4] = {3, 2, 1, 0},
                       kBoth[4] = {2, 3, 0, 1};
  const int* order = FlipHorizontal ? (FlipVertical ? kBoth : kH) : (FlipVertical ? kV : kNoFlip);
  for (int k = 0; k < 4; ++k) {
    quad_[static_cast<size_t>(k)].u = u[order[k]];
    quad_[static_cast<size_t>(k)].v = v[order[k]];
  }
}

void TNkRenderer::SetPositions(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                               float y4) {
  quad_[0].x = x1, quad_[0].y = y1;
  quad_[1].x = x2 + 0.5f, quad_[1].y = y2;
  quad_[2].x = x3 + 0.5f, quad_[2].y = y3 + 0.5f;
  quad_[3].x = x4, quad_[3].y = y4 + 0.5f;
}

void TNkRenderer::SetColors(uint32_t c1, uint32_t c2, uint32_t c3, uint32_t c4) {
  quad_[0].color = c1, quad_[1].color = c2, quad_[2].color = c3, quad_[3].color = c4;
}

void TNkRenderer::RotateScale(double cx, double cy, double angle, double sx, double sy) {
  const double a = angle * std::numbers::pi / 180.0;
  const double c = std::cos(a), s = std::sin(a);
  for (auto& v : quad_) {
    const double dx = v.x - cx, dy = v.y - cy;
    v.x = static_cast<float>(cx + sx * c * dx - sy * s * dy);
    v.y = static_cast<float>(cy + sx * s * dx + sy * c * dy);
  }
}

void TNkRenderer::Render() { screen_.DrawQuad(quad_); }

}  // namespace nk
