#pragma once
#include <memory>
#include <string>

#include "engine/image_list_collection.h"
#include "engine/message_sink.h"
#include "platform/render_device.h"

namespace nk {

// The image list component: the game's pictures by name, with a texture each once the screen's
// device exists. The screen calls InitDevice after every device creation or reset and
// ReleaseDevice before every reset or release.
class TNkImageList {
 public:
  explicit TNkImageList(MessageSink& messages);
  TNkImageList(const TNkImageList&) = delete;
  TNkImageList& operator=(const TNkImageList&) = delete;

  TImageListCollection& ImageList() { return *ImageList_; }
  const TImageListCollection& ImageList() const { return *ImageList_; }
  // Copies source's items; the collection object stays the same.
  void SetImageList(const TImageListCollection& source) { ImageList_->Assign(source); }

  // Where relative Filepath names are found (a name for this system); empty: the working directory.
  std::string ProgramFolder;

  // Makes every item's texture, in index order; nothing without a device.
  void InitDevice(RenderDevice* device);
  // Every item drops its device reference, and its texture too when releaseTextures.
  void ReleaseDevice(bool releaseTextures);
  // The frame brackets the game calls around its drawing; nothing to do for this list.
  void BeginDrawHook() {}
  void EndDrawHook() {}

 private:
  MessageSink& messages_;
  std::unique_ptr<TImageListCollection> ImageList_;
};

}  // namespace nk
