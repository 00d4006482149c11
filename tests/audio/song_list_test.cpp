#include <gtest/gtest.h>

#include <stdexcept>

#include "audio/nk_music.h"
#include "fake_audio.h"

namespace nk {
namespace {

class Effects : public ::testing::Test {
 protected:
  Effects() { audio.files["Sounds\\CLICK4.wav"] = 0.5; }
  TSongListItem& add(const std::string& name, const std::string& file) {
    TSongListItem& item = music.AddSong();
    item.Name = name;
    item.FileName = file;
    return item;
  }
  test::FakeAudio audio;
  TNkMusic music{audio};
};

TEST_F(Effects, VolumeAndPanAreClamped) {
  TSongListItem& item = add("check", "Sounds\\CLICK4.wav");
  const struct { int32_t set, kept; } volumes[] = {{150, 100}, {-5, 0}, {37, 37}};
  for (const auto& v : volumes) {
    item.SetVolume(v.set);
    EXPECT_EQ(item.Volume(), v.kept);
  }
  item.SetPan(-300);
  EXPECT_EQ(item.Pan(), -100);
  item.SetPan(300);
  EXPECT_EQ(item.Pan(), 100);
}

TEST_F(Effects, VolumeSetBeforeInitializeIsAppliedByIt) {
  TSongListItem& item = add("check", "Sounds\\CLICK4.wav");
  item.SetVolume(50);
  EXPECT_TRUE(audio.gains.empty());
  music.Initialize();
  EXPECT_TRUE(item.Ready());
  EXPECT_TRUE(item.Opened());
  EXPECT_NEAR(audio.gains.at(0).first, 0.7079, 0.001);
  EXPECT_NEAR(audio.gains.at(0).second, 0.7079, 0.001);
}

TEST_F(Effects, PlayStartsFromTheBeginningEvenWhileSounding) {
  TSongListItem& item = add("check", "Sounds\\CLICK4.wav");
  music.Initialize();
  audio.now = 10;
  item.Play();
  audio.now = 10.2;
  EXPECT_NEAR(item.Position(), 0.2, 1e-9);
  item.Play();
  EXPECT_DOUBLE_EQ(item.Position(), 0.0);
  EXPECT_EQ(audio.calls, (std::vector<std::string>{"start 0", "start 0"}));
}

TEST_F(Effects, AnEffectThatRanOutIsNotPlayingButAStoppedOneIs) {
  TSongListItem& item = add("check", "Sounds\\CLICK4.wav");
  music.Initialize();
  EXPECT_TRUE(item.IsPlaying());  // never played: position 0 of 0.5 s
  item.Play();
  audio.now = 0.7;
  EXPECT_DOUBLE_EQ(item.Position(), 0.5);
  EXPECT_FALSE(item.IsPlaying());
  item.Stop();
  EXPECT_DOUBLE_EQ(item.Position(), 0.0);
  EXPECT_TRUE(item.IsPlaying());
}

TEST_F(Effects, ServiceLoopsRestartsOnlyFinishedLoopingEffects) {
  TSongListItem& looping = add("loop", "Sounds\\CLICK4.wav");
  TSongListItem& once = add("once", "Sounds\\CLICK4.wav");
  looping.Loop = true;
  music.Initialize();
  music.ServiceLoops();  // never played: not started
  EXPECT_TRUE(audio.calls.empty());
  looping.Play();
  once.Play();
  audio.now = 1.0;
  music.ServiceLoops();
  EXPECT_DOUBLE_EQ(looping.Position(), 0.0);
  EXPECT_TRUE(looping.IsPlaying());
  EXPECT_FALSE(once.IsPlaying());
}

TEST_F(Effects, WithoutAFileNameNothingHappens) {
  TSongListItem& item = add("none", "");
  music.Initialize();
  EXPECT_TRUE(item.Ready());
  item.Play();
  item.Stop();
  item.Service();
  EXPECT_TRUE(audio.calls.empty());
  EXPECT_DOUBLE_EQ(item.Duration(), 0.0);
}

TEST_F(Effects, AFileThatCannotBeOpenedPlaysSilently) {
  TSongListItem& item = add("missing", "Sounds\\NOPE.wav");
  music.Initialize();
  EXPECT_TRUE(item.Ready());
  EXPECT_FALSE(item.Opened());
  EXPECT_NO_THROW(item.Play());
  EXPECT_DOUBLE_EQ(item.Duration(), 0.0);
}

TEST_F(Effects, FindIsExactAndCaseSensitive) {
  TSongListItem& first = add("check", "Sounds\\CLICK4.wav");
  add("check", "Sounds\\CLICK4.wav");
  EXPECT_EQ(music.Songs.Find("check"), &first);
  EXPECT_EQ(music.Songs.Find("Check"), nullptr);
  EXPECT_EQ(music.Songs.Find("chec"), nullptr);
}

TEST_F(Effects, AFailingBalanceIsReported) {
  TSongListItem& item = add("check", "Sounds\\CLICK4.wav");
  music.Initialize();
  audio.gainsFail = true;
  EXPECT_NO_THROW(item.SetVolume(10));
  try {
    item.SetPan(10);
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Error setting Pan");
  }
}

}  // namespace
}  // namespace nk
