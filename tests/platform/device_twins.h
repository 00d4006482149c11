#pragma once
// A device under test and a software device that draws every frame at once, driven by the same
// calls, so that what the one shows can be compared with what the other does.
#include <functional>
#include <vector>

#include "platform/software_device.h"

namespace nk {

inline QuadVertices quadAt(float x, float y, float size, uint32_t color) {
  return {DeviceVertex{x, y, color, 0, 0}, DeviceVertex{x + size, y, color, 1, 0},
          DeviceVertex{x + size, y + size, color, 1, 1}, DeviceVertex{x, y + size, color, 0, 1}};
}

class DeviceTwins {
 public:
  // `other` is the device under test; it must outlive these twins' use.
  explicit DeviceTwins(RenderDevice& other) : other_(other) {}

  void each(const std::function<void(RenderDevice&)>& call) {
    call(eager);
    call(other_);
  }
  // One frame: the background, then a quad of the texture at x.
  void quadFrame(uint32_t background, float x, uint32_t color, bool cleared) {
    each([&](RenderDevice& d) {
      if (cleared) d.clear(background);
      d.bindTexture(texture);
      d.drawFan(quadAt(x, 2, 6, color));
      d.present();
    });
  }
  void paint(uint32_t argb) {
    const std::vector<uint32_t> texels(4, argb);
    each([&](RenderDevice& d) { d.updateTexture(texture, texels.data()); });
  }

  SoftwareDevice eager{16, 16};
  TextureId texture = 0;

 private:
  RenderDevice& other_;
};

}  // namespace nk
