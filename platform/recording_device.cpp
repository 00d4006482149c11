#include "platform/recording_device.h"

namespace nk {

void RecordingDevice::setBlend(BlendFactor s, BlendFactor d) {
  log("blend");
  src = s;
  dst = d;
  ++blendChanges;
}

void RecordingDevice::drawFan(const QuadVertices& quad) {
  log("draw");
  draws.push_back(Draw{bound, src, dst, quad});
}

TextureId RecordingDevice::createTexture(int, int) {
  if (!createSucceeds) return 0;
  ++liveTextures;
  return nextTexture_++;
}

void RecordingDevice::updateTexture(TextureId, const uint32_t*) { log("upload"); }

void RecordingDevice::destroyTexture(TextureId) { --liveTextures; }

bool RecordingDevice::reset() {
  log("reset");
  if (resetSucceeds) statusToReport = DeviceStatus::Ready;
  return resetSucceeds;
}

}  // namespace nk
