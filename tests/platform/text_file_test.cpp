#include "platform/text_file.h"

#include <gtest/gtest.h>

#include "app/temp_dir.h"
#include "platform/shell.h"

namespace nk {
namespace {

TEST(TextFile, ReadsWithinItsLimitsWhateverTheFileHolds) {
  const std::string huge(3 << 20, 'x');  // longer than a read chunk, to cross its ends
  const struct {
    const char* what;
    std::string contents;
    TextLimits limits;
    std::string text;
    bool cut;
  } cases[] = {
      {"within both", "ab\r\ncd\n", {100, 10}, "ab\r\ncd\n", false},
      {"empty", "", {100, 10}, "", false},
      {"exactly at the size", "abcd", {4, 10}, "abcd", false},
      {"past the size", "ab\ncd\nef\n", {5, 10}, "ab\ncd", true},
      {"a long line keeps its start, the next line is whole", "abcdefgh\nij\n", {100, 3}, "abc\nij\n", true},
      {"exactly at the line length", "abc\n", {100, 3}, "abc\n", false},
      {"one line far over both", huge, {64 * 1024, 1024}, std::string(1024, 'x'), true},
      {"long lines across chunks", huge + "\n" + huge + "\nend", {8 << 20, 5}, "xxxxx\nxxxxx\nend", true},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    dir.write("f.txt", c.contents);
    const std::optional<BoundedText> read = readTextFile(dir.file("f.txt"), c.limits);
    ASSERT_TRUE(read) << c.what;
    EXPECT_EQ(read->text, c.text) << c.what;
    EXPECT_EQ(read->cut, c.cut) << c.what;
  }
}

TEST(TextFile, AFolderOrNothingIsNoText) {
  test::TempDir dir;
  EXPECT_FALSE(readTextFile(dir.path().string(), {100, 10}));
  EXPECT_FALSE(readTextFile(dir.file("missing.txt"), {100, 10}));
}

TEST(TextFile, AShortcutFarLargerThanOneCanBeOpensNothing) {
  const std::string url = "URL=https://example.org/\r\n";
  const struct {
    const char* what;
    std::string contents;
    std::optional<std::string> target;
  } cases[] = {
      {"a shortcut", "[InternetShortcut]\r\n" + url, "https://example.org/"},
      {"a long address", "[InternetShortcut]\r\nURL=https://example.org/" + std::string(8000, 'a'),
       "https://example.org/" + std::string(8000, 'a')},
      {"one endless line", url + std::string(20 << 20, 'a'), std::nullopt},
      {"an endless address", "URL=https://" + std::string(20 << 20, 'a'), std::nullopt},
      {"endless lines", url + std::string(20 << 20, '\n'), std::nullopt},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    dir.write("play.url", c.contents);
    EXPECT_EQ(shortcutFileUrl(dir.file("play.url")), c.target) << c.what;
  }
}

}  // namespace
}  // namespace nk
