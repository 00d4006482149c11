#include "engine/nk_image_list.h"

#include "engine/nk_screen.h"

namespace nk {

TNkImageList::TNkImageList(MessageSink& messages)
    : messages_(messages), ImageList_(std::make_unique<TImageListCollection>(messages)) {}

void TNkImageList::SetNkScreen(TNkScreen& screen) {
  renderer_ = std::make_unique<TNkRenderer>(screen);
  screen.AddDeviceClient({TNkScreen::DeviceClient::Kind::ImageList,
                          [this](TNkScreen& s) {
                            renderer_->TakeDevice();
                            InitDevice(s.Device());
                          },
                          [this] { ReleaseDevice(false); },
                          // Pictures are decoded again from their stored files.
                          [this] { ReleaseDevice(true); }});
}

void TNkImageList::InitDevice(RenderDevice* device) {
  if (device == nullptr) return;
  const TextureContext context{*device, messages_, ProgramFolder};
  for (int i = 0; i < ImageList_->Count(); ++i) {
    TImageListItem& item = ImageList_->Items(i);
    item.CreateTexture(context);
    item.SetRenderer(renderer_.get());
  }
}

void TNkImageList::ReleaseDevice(bool releaseTextures) {
  for (int i = 0; i < ImageList_->Count(); ++i) ImageList_->Items(i).ReleaseDevice(releaseTextures);
}

}  // namespace nk
