#include "app/frame_painter.h"

#include "engine/image_list_item.h"
#include "engine/nk_image_list.h"
#include "engine/nk_screen.h"

namespace nk {

void FramePainter::begin() {
  screen_.Clear(0, 0, 0, 0);
  screen_.BeginScene();
  images_.BeginDrawHook();
}

void FramePainter::end() {
  images_.EndDrawHook();
  screen_.EndScene();
}

void FramePainter::picture(const char* image, int pattern, int x, int y) {
  if (TImageListItem* item = images_.ImageList().Find(image)) {
    item->DrawEx(x, y, 0, 0, 0, 1, 1, 255, 255, 255, 255, false, pattern, 0);
  }
}

}  // namespace nk
