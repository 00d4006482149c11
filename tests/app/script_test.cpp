#include "app/script.h"

#include <gtest/gtest.h>

#include "app/script_file.h"
#include "platform/keys.h"
#include "platform/pad_controls.h"
#include "temp_dir.h"

namespace nk {
namespace {

using Kind = ScriptEvent::Kind;

template <typename Control>
int pad(Control control) {
  return static_cast<int>(control);
}

ScriptEvent event(int64_t frame, Kind kind, int key = 0, int x = 0, int y = 0, std::string file = {}) {
  ScriptEvent e;
  e.frame = frame, e.kind = kind, e.key = key, e.x = x, e.y = y, e.file = std::move(file);
  return e;
}

TEST(Script, ParsesEveryCommand) {
  const struct {
    const char* line;
    std::vector<ScriptEvent> events;
  } cases[] = {
      {"5 down Left", {event(5, Kind::KeyDown, vk::Left)}},
      {"5 up Ctrl", {event(5, Kind::KeyUp, vk::Control)}},
      {"7 tap Space", {event(7, Kind::KeyDown, vk::Space), event(8, Kind::KeyUp, vk::Space)}},
      {"1 tap vk:65", {event(1, Kind::KeyDown, 'A'), event(2, Kind::KeyUp, 'A')}},
      {"1 down Z", {event(1, Kind::KeyDown, 'Z')}},
      {"1 down 7", {event(1, Kind::KeyDown, '7')}},
      {"3 type Ян b",
       {event(3, Kind::Char, 0xDF), event(4, Kind::Char, 0xED), event(5, Kind::Char, ' '),
        event(6, Kind::Char, 'b')}},
      {"2 mouse 10 -20", {event(2, Kind::Mouse, 0, 10, -20)}},
      {"2 click 400 300", {event(2, Kind::Click, 0, 400, 300)}},
      {"2 dblclick 5 6", {event(2, Kind::DoubleClick, 0, 5, 6)}},
      {"9 screenshot shot.png", {event(9, Kind::Screenshot, 0, 0, 0, "shot.png")}},
      {"9 dump s.json  # trailing comment", {event(9, Kind::Dump, 0, 0, 0, "s.json")}},
      {"100 close", {event(100, Kind::Close)}},
      {"4 char 32", {event(4, Kind::Char, ' ')}},
      {"4 char 35", {event(4, Kind::Char, '#')}},
      {"5 pad down a", {event(5, Kind::PadDown, pad(PadButton::A))}},
      {"5 pad up dpleft", {event(5, Kind::PadUp, pad(PadButton::DpadLeft))}},
      {"5 pad tap start",
       {event(5, Kind::PadDown, pad(PadButton::Start)), event(6, Kind::PadUp, pad(PadButton::Start))}},
      {"5 pad axis leftx -32768", {event(5, Kind::PadAxis, pad(PadAxis::LeftX), -32768)}},
      {"5 pad axis lefty 32767", {event(5, Kind::PadAxis, pad(PadAxis::LeftY), 32767)}},
      {"   # only a comment", {}},
      {"", {}},
  };
  for (const auto& c : cases) {
    auto parsed = parseScript(c.line);
    ASSERT_TRUE(std::holds_alternative<Script>(parsed)) << c.line;
    EXPECT_EQ(std::get<Script>(parsed).events, c.events) << c.line;
  }
}

TEST(Script, ReportsTheLineThatDoesNotParse) {
  const struct {
    const char* text;
    int line;
  } cases[] = {
      {"x down Left", 1},
      {"1 down", 1},
      {"1 down Nope", 1},
      {"1 jump", 1},
      {"1 tap A\n-3 tap A", 2},
      {"1 mouse 1", 1},
      {"1 click a b", 1},
      {"\n\n1 close now", 3},
      {"1 screenshot", 1},
      {"1 down vk:300", 1},
      {"1 type", 1},
      {"12", 1},
      {"1 char 0", 1},
      {"1 char 256", 1},
      {"1 char x", 1},
      {"seed", 1},
      {"seed -1", 1},
      {"seed 12 13", 1},
      {"1 seed 3", 1},
      {"1 pad", 1},
      {"1 pad down", 1},
      {"1 pad down A", 1},
      {"1 pad tap guide", 1},
      {"1 pad down a b", 1},
      {"1 pad press a", 1},
      {"1 pad axis leftx", 1},
      {"1 pad axis rightx 0", 1},
      {"1 pad axis leftx 32768", 1},
      {"1 pad axis lefty -32769", 1},
      {"1 pad axis leftx x", 1},
  };
  for (const auto& c : cases) {
    auto parsed = parseScript(c.text);
    ASSERT_TRUE(std::holds_alternative<ScriptError>(parsed)) << c.text;
    EXPECT_EQ(std::get<ScriptError>(parsed).line, c.line) << c.text;
  }
}

TEST(Script, EventsComeSortedByFrameKeepingWrittenOrder) {
  auto parsed = parseScript("10 tap A\n2 dump a.json\r\n2 close\n10 up B\n");
  const auto& events = std::get<Script>(parsed).events;
  ASSERT_EQ(events.size(), 5u);
  EXPECT_EQ(events[0].kind, Kind::Dump);
  EXPECT_EQ(events[1].kind, Kind::Close);
  EXPECT_EQ(events[2].key, 'A');
  EXPECT_EQ(events[3].key, 'B');
  EXPECT_EQ(events[4].frame, 11);
}

TEST(Script, ASeedLineGivesTheRunsSeed) {
  EXPECT_FALSE(std::get<Script>(parseScript("1 tap A\n")).seed);
  const Script script = std::get<Script>(parseScript("# recorded\nseed 18446744073709551615\n1 tap A\n"));
  EXPECT_EQ(script.seed, 18446744073709551615u);
  EXPECT_EQ(script.events.size(), 2u);
}

TEST(ScriptFile, AFileFarLargerThanAnyScriptIsNotPlayedAtAll) {
  std::string manyTaps;
  for (int i = 0; i < 9 << 20; ++i) manyTaps += "1 tap A\n";  // 72 MiB
  const struct {
    const char* what;
    std::string contents;
    bool loads;
  } cases[] = {
      {"a script", "1 tap A\n2 dump d.json\n", true},
      {"a long line of typing", "1 type " + std::string(60 * 1024, 'a') + "\n", true},
      {"a line longer than any", "1 type " + std::string(70 * 1024, 'a') + "\n", false},
      {"more lines than any", manyTaps, false},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    dir.write("s.txt", c.contents);
    const auto loaded = loadScript(dir.file("s.txt"));
    EXPECT_EQ(std::holds_alternative<Script>(loaded), c.loads) << c.what;
    if (const auto* error = std::get_if<std::string>(&loaded)) {
      EXPECT_NE(error->find("damaged"), std::string::npos) << c.what << ": " << *error;
    }
  }
}

}  // namespace
}  // namespace nk
