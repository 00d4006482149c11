#include <gtest/gtest.h>

#include <libopenmpt/libopenmpt.hpp>

#include <fstream>
#include <sstream>

#include "instruments.h"
#include "score.h"
#include "xm_module.h"

namespace nk::xm {
namespace {

std::unique_ptr<openmpt::module> load(const std::string& bytes) {
  static std::ostringstream quiet;
  return std::make_unique<openmpt::module>(bytes.data(), bytes.size(), quiet);
}

TEST(XmWriter, AModuleLoadsWithItsChannelsInstrumentsAndLength) {
  Module m;
  m.name = "probe";
  m.channels = 4;
  m.speed = 6;
  m.bpm = 125;  // a row lasts 6 * 2.5 / 125 = 0.12 s
  m.instruments = {MakeInstrument("bell"), MakeInstrument("kick"), MakeInstrument("pad")};
  Pattern p;
  p.rows = 16;
  p.cells.resize(16 * 4);
  p.cells[0] = {NoteNumber("c4"), 1, 0x50, 0, 0};
  p.cells[1] = {NoteNumber("c4"), 2, 0, 0, 0};
  p.cells[8 * 4 + 2] = {NoteNumber("e3"), 3, 0x30, 0x08, 0x40};
  m.patterns = {p, p};
  m.order = {0, 1, 0};
  const auto mod = load(WriteXm(m));
  EXPECT_EQ(mod->get_num_channels(), 4);
  EXPECT_EQ(mod->get_num_instruments(), 3);
  EXPECT_EQ(mod->get_num_patterns(), 2);
  EXPECT_EQ(mod->get_num_orders(), 3);
  EXPECT_NEAR(mod->get_duration_seconds(), 3 * 16 * 0.12, 0.01);
  EXPECT_EQ(mod->get_metadata("title"), "probe");
  EXPECT_EQ(mod->get_instrument_names()[1], "kick");
  // It makes sound, and not too much of it.
  std::vector<int16_t> pcm(2 * 22050);
  ASSERT_EQ(mod->read_interleaved_stereo(22050, 22050, pcm.data()), 22050u);
  int16_t peak = 0;
  for (int16_t v : pcm) peak = std::max<int16_t>(peak, static_cast<int16_t>(std::abs(v)));
  EXPECT_GT(peak, 1000);
  EXPECT_LT(peak, 32767);
}

TEST(XmWriter, ScoresBecomeModules) {
  const std::string score = R"(title tiny
speed 6
bpm 125
swing 7 5
instrument keys epiano
instrument drum hat
voice chords keys 3 40 128
voice hats drum 1 30 200
section a 8
  chords c4+e4+g4/4 -/1 ./3   # a held chord, then off
  hats |x.o.|,.x.|
end
order a a
)";
  const Module m = ParseScore(score);
  EXPECT_EQ(m.channels, 5);  // three chord voices, the hats, the swing
  const auto mod = load(WriteXm(m));
  EXPECT_EQ(mod->get_num_instruments(), 2);
  EXPECT_EQ(mod->get_num_orders(), 2);
  EXPECT_NEAR(mod->get_duration_seconds(), 2 * 8 * 0.12, 0.01);  // swing 7 and 5 average 6 ticks
}

TEST(XmWriter, BadScoresNameTheirLine) {
  const struct {
    const char* score;
    const char* message;
  } cases[] = {
      {"instrument x nosuch\n", "line 1: unknown instrument kind \"nosuch\""},
      {"instrument k kick\nvoice v k 1 64 128\nsection s 4\n v c4/2\nend\norder s\n",
       "line 5: voice \"v\" fills 2 of 4 rows"},
      {"instrument k kick\nvoice v k 1 64 128\nsection s 4\n v h4/4\nend\n", "line 4: \"h4\" is no note"},
      {"bpm 7\n", "line 1: \"7\" is not a number from 32 to 255"},
      {"order nowhere\n", "line 1: no section \"nowhere\""},
  };
  for (const auto& c : cases) {
    try {
      ParseScore(c.score);
      ADD_FAILURE() << "accepted: " << c.score;
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(XmWriter, NoteNames) {
  const struct {
    const char* name;
    uint8_t note;
  } cases[] = {{"c4", 49}, {"c#4", 50}, {"db4", 50}, {"bb3", 47}, {"b3", 48},
               {"c0", 1},  {"b7", 96},  {"x4", 0},   {"c", 0},    {"c8", 0}};
  for (const auto& c : cases) EXPECT_EQ(NoteNumber(c.name), c.note) << c.name;
}

TEST(GameTunes, BothTunesPlayAMinuteBeforeTheyLoop) {
  for (const char* name : {"whatever.xm", "retroctober.xm"}) {
    std::ifstream in(std::string(NK_SOUNDS_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const auto mod = load(bytes.str());
    EXPECT_GE(mod->get_duration_seconds(), 60.0) << name;
    EXPECT_GE(mod->get_num_instruments(), 4) << name;  // at least bass, lead, pad or chords, drums
  }
}

}  // namespace
}  // namespace nk::xm
