// Any bytes as a library file: the reader must neither crash nor read out of bounds, and
// whatever it read must take its textures cleanly.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/nk_image_list.h"
#include "platform/recording_device.h"

namespace {

class IgnoredMessages final : public nk::MessageSink {
 public:
  void showMessage(const std::string&) override {}
  void messageBox(const std::string&, const std::string&) override {}
  void terminate() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  IgnoredMessages messages;
  nk::RecordingDevice device;
  nk::TNkImageList list(messages);
  list.ImageList().LoadFromStream(std::string_view(reinterpret_cast<const char*>(data), size));
  list.InitDevice(&device);
  return 0;
}
