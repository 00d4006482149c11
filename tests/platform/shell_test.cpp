#include "platform/shell.h"

#include <gtest/gtest.h>

namespace nk {
namespace {

TEST(Shell, ShortcutUrlIsTheUrlLine) {
  const struct {
    const char* contents;
    std::optional<std::string> url;
  } cases[] = {
      {"[InternetShortcut]\r\nURL=http://example.org/play\r\n", "http://example.org/play"},
      {"[InternetShortcut]\nIconIndex=0\nURL=https://x.test/a?b=c", "https://x.test/a?b=c"},
      {"[InternetShortcut]\r\nurl=http://lower.case/\r\n", std::nullopt},
      {"URL=\r\n", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(shortcutUrl(c.contents), c.url) << c.contents;
}

TEST(Shell, RelativeNamesAreOpenedFromTheWorkingFolder) {
  const struct {
    const char* name;
    const char* path;
  } cases[] = {{"wdata/shop.url", "./wdata/shop.url"},
               {"-help", "./-help"},
               {"ls", "./ls"},
               {"./game.exe", "./game.exe"},
               {"/opt/game/x.pdf", "/opt/game/x.pdf"}};
  for (const auto& c : cases) EXPECT_EQ(launchablePath(c.name), c.path) << c.name;
}

}  // namespace
}  // namespace nk
