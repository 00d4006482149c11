#include "engine/nk_image_list.h"

namespace nk {

TNkImageList::TNkImageList(MessageSink& messages)
    : messages_(messages), ImageList_(std::make_unique<TImageListCollection>(messages)) {}

void TNkImageList::InitDevice(RenderDevice* device) {
  if (device == nullptr) return;
  const TextureContext context{*device, messages_, ProgramFolder};
  for (int i = 0; i < ImageList_->Count(); ++i) ImageList_->Items(i).CreateTexture(context);
}

void TNkImageList::ReleaseDevice(bool releaseTextures) {
  for (int i = 0; i < ImageList_->Count(); ++i) ImageList_->Items(i).ReleaseDevice(releaseTextures);
}

}  // namespace nk
