#include <gtest/gtest.h>

#include <set>

#include "engine/font_fixture.h"
#include "engine/screen_fixture.h"
#include "platform/software_device.h"

namespace nk {
namespace {

// A device that keeps no copy of its textures, as the window's: a reset blanks every one.
class ForgetfulDevice final : public SoftwareDevice {
 public:
  ForgetfulDevice() : SoftwareDevice(64, 64) {}
  TextureId createTexture(int width, int height) override {
    const TextureId id = SoftwareDevice::createTexture(width, height);
    sizes_[id] = static_cast<size_t>(width) * static_cast<size_t>(height);
    return id;
  }
  void destroyTexture(TextureId id) override {
    sizes_.erase(id);
    SoftwareDevice::destroyTexture(id);
  }
  DeviceStatus status() override { return lost ? DeviceStatus::NeedsReset : DeviceStatus::Ready; }
  bool reset() override {
    for (const auto& [id, size] : sizes_)
      SoftwareDevice::updateTexture(id, std::vector<uint32_t>(size).data());
    lost = false;
    return true;
  }
  bool texturesSurviveReset() const override { return false; }
  bool lost = false;

 private:
  std::map<TextureId, size_t> sizes_;
};

// A picture, text and bitmap-font text look the same before and after the device lost them.
TEST(DeviceReset, ADeviceThatLosesItsTexturesGetsEveryPictureBack) {
  auto owned = std::make_unique<ForgetfulDevice>();
  ForgetfulDevice& device = *owned;
  test::FontFixture f(std::move(owned));
  test::addTestImage(f.list, "tile", 8, 8, 8, 8,
                     [](int x, int y) { return 0xFF000000u | (x * 30 << 16) | y * 30; });
  f.bitmap.SetNkImageList(&f.list);
  f.text.SetFont("DS Zombie Cyr", 20, FontStyle{});
  auto frame = [&] {
    f.screen.Clear(0, 0, 40, 0);
    f.screen.BeginScene();
    f.list.ImageList().Find("tile")->Draw(2, 2, 0);
    f.text.TextOut(12, 20, "Nok");
    f.bitmap.TextOutColor(12, 40, 0, 1, 1, 0xFFFFFFFF, "12", 0);
    f.screen.EndScene();
    return device.readFrame();
  };
  f.screen.Initialize();
  const std::vector<uint32_t> before = frame();
  ASSERT_NE(std::set<uint32_t>(before.begin(), before.end()).size(), 1u) << "nothing was drawn";

  device.lost = true;
  f.screen.BeginScene();  // the reset: this frame is skipped
  EXPECT_EQ(frame(), before);
}

}  // namespace
}  // namespace nk
