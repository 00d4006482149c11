#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace nk {

// The tracker-module renderer as a tune uses it. Output is always 16-bit stereo.
class ModPlayer {
 public:
  // Bit of the option word: the module loops for ever instead of ending.
  static constexpr uint32_t kLoopOption = 0x10;

  virtual ~ModPlayer() = default;
  // False when the data is no module this player knows; it then renders nothing.
  virtual bool LoadModule(const std::string& data) = 0;
  virtual void ReleaseModule() = 0;
  virtual void SetSampleRate(int rate) = 0;
  // Renders up to `bytes` bytes (whole frames); the bytes rendered, 0 once the module has ended.
  virtual size_t Render(uint8_t* buffer, size_t bytes) = 0;
  virtual void SetOptions(uint32_t options) = 0;
  virtual uint32_t Options() const = 0;
};

// The libopenmpt renderer.
std::unique_ptr<ModPlayer> makeOpenMptPlayer();

}  // namespace nk
