#include "ui/share_button.h"

#include "engine/image_list_collection.h"
#include "platform/files.h"
#include "platform/host.h"

namespace nk {

void TButton::HitTest(int32_t px, int32_t py) {
  // In 64 bits: a far-off rectangle from a hand-written description must not overflow.
  const int64_t right = int64_t{X} + Width, bottom = int64_t{Y} + Height;
  Hover = X <= px && px <= right && Y <= py && py <= bottom;
}

void TButton::Draw(TImageListCollection& pictures) const {
  if (!Visible) return;
  int32_t image = NormalImage, x = X, y = Y;
  if (!Active) {
    image = WaitImage, x = WaitX, y = WaitY;
  } else if (Hover) {
    image = HoverImage, x = HoverX, y = HoverY;
  }
  if (image >= 0 && image < pictures.Count()) pictures.Items(image).Draw(x, y, 0);
}

void TButton::Click(Host& host) const {
  if (IsExit()) {
    host.requestClose();
  } else if (fileExists(Action)) {
    host.shellOpen(Action, "");
  }
}

}  // namespace nk
