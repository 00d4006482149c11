#include "ui/share_screen.h"

#include <cmath>

#include "engine/color.h"
#include "engine/graphic.h"
#include "engine/nk_font.h"
#include "engine/nk_image_list.h"
#include "engine/nk_screen.h"
#include "platform/files.h"
#include "platform/render_device.h"
#include "platform/text_file.h"

namespace nk {

void TShareScreen::Load() {
  const char* const kDescription = "wdata\\config.ini";
  // A description is some dozens of short lines; a file past these bounds is damaged.
  constexpr TextLimits kDescriptionLimits{1 << 20, 4096};
  const std::optional<BoundedText> file = readTextFile(nativePath(kDescription), kDescriptionLimits);
  if (!file || file->cut) {
    Valid = false;
    Problem = !file ? "no readable wdata\\config.ini"
                    : "wdata\\config.ini is damaged: a line over 4096 bytes, or over a megabyte in all";
    return;
  }
  static_cast<ShareDescription&>(*this) =
      ReadShareDescription(file->text, [](std::string_view name) { return fileExists(name); });
  // Pictures are only worth loading for a screen that will show.
  for (TButton& b : Buttons) {
    if (!Valid || !addPicture(b.HoverFile, b.HoverImage) || !addPicture(b.NormalFile, b.NormalImage) ||
        !addPicture(b.WaitFile, b.WaitImage)) {
      return;
    }
  }
  if (!Valid || !addPicture(BackgroundFile, BackgroundIndex)) return;
  const auto [red, green, blue] = CounterRgb();
  parts_.counterFont.SetFont("Verdana", FontSize, FontStyle{});
  parts_.counterFont.SetColor(MakeColor(red, green, blue, 255));
}

bool TShareScreen::addPicture(const std::string& file, int32_t& index) {
  std::optional<TGraphic> picture = loadGraphicFile(nativePath(file));
  const RenderDevice* device = parts_.screen.Device();
  const auto fits = [device](int side) { return device == nullptr || side <= device->maxTextureSize(); };
  // A picture the device cannot hold would end the game when its texture is made.
  if (!picture || !fits(picture->Image.width) || !fits(picture->Image.height)) {
    Valid = false;
    Problem = "wdata\\config.ini: \"" + file + "\" is not a BMP or PNG picture of a size the screen can show";
    return false;
  }
  TImageListCollection& list = parts_.pictures.ImageList();
  TImageListItem& item = list.Add();
  item.Name = file;
  item.Transparent = false;
  item.AssignPicture(*picture);
  index = list.Count() - 1;
  parts_.pictures.InitDevice(parts_.screen.Device());
  return true;
}

void TShareScreen::UpdateHover() {
  for (TButton& b : Buttons) {
    if (pointer_) {
      b.HitTest(pointer_->x, pointer_->y);
    } else {
      b.Hover = false;
    }
  }
}

void TShareScreen::Draw() {
  TImageListCollection& list = parts_.pictures.ImageList();
  if (BackgroundIndex >= 0 && BackgroundIndex < list.Count()) list.Items(BackgroundIndex).Draw(0, 0, 0);
  for (const TButton& b : Buttons) b.Draw(list);
  if (TImageListItem* cursor = parts_.gameImages.Find("cursor_mouse"); cursor != nullptr && pointer_) {
    cursor->Draw(pointer_->x, pointer_->y, 0);
  }
  drawCountdown();
}

void TShareScreen::drawCountdown() {
  if (Countdown == 0) {
    for (TButton& b : Buttons) {
      if (b.IsExit()) b.Active = true;
    }
  }
  const int32_t number = CountdownNumber();
  if (number == 0) return;
  const std::string text = std::to_string(number);
  TNkFont& font = parts_.counterFont;
  const auto x = static_cast<int>(std::nearbyint(CounterX - font.TextWidth(text) / 2.0));
  const auto y = static_cast<int>(std::nearbyint(CounterY - font.TextHeight(text) / 2.0));
  font.TextOut(x, y, text);
}

int32_t TShareScreen::CountdownNumber() const {
  if (Countdown <= 0) return 0;
  return (Countdown / 10 + 1) / 10 + 1;
}

void TShareScreen::ClickHovered() {
  for (const TButton& b : Buttons) {
    if (b.Hover) b.Click(parts_.host);
  }
}

}  // namespace nk
