#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "codec/cp1251.h"
#include "engine/font_fixture.h"
#include "engine/png_writer.h"
#include "platform/software_device.h"

namespace nk {
namespace {

// Pixels of the rows top..bottom - 1 that are not the background.
int inkedPixels(const std::vector<uint32_t>& frame, int top, int bottom) {
  const uint32_t background = frame.back();
  int inked = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < 800; ++x) inked += frame[static_cast<size_t>(y * 800 + x)] != background ? 1 : 0;
  }
  return inked;
}

// Both fonts drawing Russian and Latin text on the headless device; the picture is kept for a look.
TEST(FontScreenshot, BothFontsDrawRussianAndLatinText) {
  test::FontFixture f(std::make_unique<SoftwareDevice>(800, 600));
  f.start();
  f.bitmap.BuildFromSystemFont("DS Zombie Cyr", "", 0, 24);
  f.screen.Clear(20, 24, 48, 255);
  f.bitmap.TextOutColor(20, 20, 0, 1, 1, 0xFFFFFFFF, utf8ToCp1251("НОВАЯ ИГРА  РЕКОРДЫ  ВЫХОД"), 0);
  f.bitmap.TextOutColor(20, 70, 0, 1, 1, 0xFFFFD040, utf8ToCp1251("Игрок: вор №1 [0-9] {~}\rвторая строка"),
                        0);
  f.text.SetFont("DS Zombie Cyr", 26, FontStyle{});
  f.text.SetColor(0xFFFB0BD1);
  f.text.TextOut(20, 200, utf8ToCp1251("Уровень 3   12500   4:59"));
  f.text.SetFont("verdana", 10, FontStyle{});
  f.text.TextOut(
      20, 260,
      utf8ToCp1251(
          "Verdana 10: The quick brown fox. Съешь же ещё этих мягких французских булок.\nSecond line"));
  f.text.SetFont("Arial", 16, FontStyle{true, true, true, false, true});
  f.text.TextOutColor(20, 320, 120, 255, 120, 255, "Arial 16 bold italic underlined: Nokturo");
  f.screen.EndScene();
  const std::vector<uint32_t> frame = f.host.device().readFrame();
  ASSERT_EQ(frame.size(), 800u * 600u);
  const char* dir = std::getenv("NK_SCREENSHOT_DIR");
  const std::string path =
      (dir != nullptr ? std::filesystem::path(dir) : std::filesystem::temp_directory_path()) / "fonts.png";
  EXPECT_TRUE(writePng(path, 800, 600, frame));
  // Every band with text has ink, the gaps between them none.
  const struct {
    int top, bottom;
    bool ink;
  } bands[] = {{20, 60, true},   {70, 160, true},  {200, 240, true},
               {260, 295, true}, {320, 345, true}, {360, 600, false}};
  for (const auto& b : bands) {
    const int inked = inkedPixels(frame, b.top, b.bottom);
    if (b.ink) {
      EXPECT_GT(inked, 300) << b.top;
    } else {
      EXPECT_EQ(inked, 0) << b.top;
    }
  }
}

}  // namespace
}  // namespace nk
