#pragma once
#include "platform/render_device.h"

namespace nk {

// A texture on a device, destroyed with its owner. The device must outlive it.
class DeviceTexture {
 public:
  DeviceTexture(RenderDevice& device, TextureId id) : device_(device), id_(id) {}
  ~DeviceTexture() { device_.destroyTexture(id_); }
  DeviceTexture(const DeviceTexture&) = delete;
  DeviceTexture& operator=(const DeviceTexture&) = delete;

  TextureId id() const { return id_; }

 private:
  RenderDevice& device_;
  TextureId id_;
};

}  // namespace nk
