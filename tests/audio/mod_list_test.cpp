#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "audio/nk_sound3d.h"
#include "fake_audio.h"

namespace nk {
namespace {

// What the fake players did, shared with the test (the worker thread writes it).
struct PlayerLog {
  std::mutex mutex;
  std::condition_variable changed;
  int players = 0;
  int renders = 0;
  size_t bytesLeft = SIZE_MAX;  // the module's length
  uint32_t options = 0;

  void waitForRenders(int n) {
    std::unique_lock lock(mutex);
    ASSERT_TRUE(changed.wait_for(lock, std::chrono::seconds(10), [&] { return renders >= n; }))
        << "no render " << n;
  }
};

// Render number k fills its bytes with samples of value 100 * k, until the module's end.
class FakePlayer final : public ModPlayer {
 public:
  explicit FakePlayer(PlayerLog& log) : log_(log) {}
  bool LoadModule(const std::string&) override { return true; }
  void ReleaseModule() override {}
  void SetSampleRate(int) override {}
  size_t Render(uint8_t* buffer, size_t bytes) override {
    std::lock_guard lock(log_.mutex);
    const size_t n = std::min(bytes, log_.bytesLeft);
    log_.bytesLeft -= n;
    ++log_.renders;
    auto* samples = reinterpret_cast<int16_t*>(buffer);
    for (size_t i = 0; i < n / 2; ++i) samples[i] = static_cast<int16_t>(100 * log_.renders);
    log_.changed.notify_all();
    return n;
  }
  void SetOptions(uint32_t options) override {
    std::lock_guard lock(log_.mutex);
    log_.options = options;
  }
  uint32_t Options() const override {
    std::lock_guard lock(log_.mutex);
    return log_.options;
  }

 private:
  PlayerLog& log_;
};

class Tunes : public ::testing::Test {
 protected:
  Tunes() {
    tune.Name = "menumusic";
    tune.FileName = "Sounds\\whatever.xm";
    tune.Loop = true;
  }
  // One second of the device pulling the stream; the first sample of each half second.
  std::vector<int16_t> pull() {
    std::vector<int16_t> mix(2 * 22050, 0);
    audio.hook(mix.data(), 22050);
    return {mix.front(), mix.back()};
  }
  test::FakeAudio audio;
  PlayerLog log;
  TNkSound3D sound{audio, [this] {
                     std::lock_guard lock(log.mutex);
                     ++log.players;
                     return std::make_unique<FakePlayer>(log);
                   }};
  TModListItem& tune = sound.AddMod();
};

TEST_F(Tunes, TheWorkerRefillsTheHalfThatIsNotPlaying) {
  tune.Play();
  EXPECT_EQ(pull(), (std::vector<int16_t>{0, 0}));  // silence first; crossing into half 2 asks for half 1
  log.waitForRenders(1);
  EXPECT_EQ(pull(), (std::vector<int16_t>{0, 0}));  // half 2 still silent; wrapping asks for half 2
  log.waitForRenders(2);
  EXPECT_EQ(pull(), (std::vector<int16_t>{100, 100}));
  log.waitForRenders(3);
  EXPECT_EQ(pull(), (std::vector<int16_t>{200, 200}));
  log.waitForRenders(4);
  EXPECT_EQ(pull(), (std::vector<int16_t>{300, 300}));
  EXPECT_TRUE(tune.Playing());
  EXPECT_EQ(log.options & ModPlayer::kLoopOption, ModPlayer::kLoopOption);
}

TEST_F(Tunes, TheEndOfAModuleThatDoesNotLoopStopsTheTune) {
  log.bytesLeft = StreamBuffer::kHalf + 1000;
  tune.Loop = false;
  tune.Play();
  EXPECT_EQ(log.options & ModPlayer::kLoopOption, 0u);
  pull();
  log.waitForRenders(1);
  pull();
  log.waitForRenders(2);  // the last 1000 bytes, then silence
  pull();
  log.waitForRenders(3);  // nothing left: the worker stops the tune
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (tune.Playing() && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  EXPECT_FALSE(tune.Playing());
  EXPECT_EQ(pull(), (std::vector<int16_t>{0, 0}));  // a stopped buffer adds nothing
}

TEST_F(Tunes, PlayLoadsOnlyOnceAndStopBeforeLoadingDoesNothing) {
  tune.Stop();
  EXPECT_FALSE(tune.Loaded());
  tune.Play();
  tune.Stop();
  EXPECT_FALSE(tune.Playing());
  tune.Play();
  EXPECT_TRUE(tune.Loaded());
  EXPECT_EQ(log.players, 1);
  tune.Unload();
  EXPECT_FALSE(tune.Loaded());
  EXPECT_FALSE(tune.Playing());
}

TEST_F(Tunes, TwoTunesSoundTogether) {
  TModListItem& other = sound.AddMod();
  other.Name = "gamemusic";
  tune.Play();
  other.Play();
  EXPECT_TRUE(tune.Playing());
  EXPECT_TRUE(other.Playing());
  EXPECT_EQ(sound.ModList.Find("gamemusic"), &other);
  EXPECT_EQ(sound.ModList.Find("GameMusic"), nullptr);
}

TEST(TunesWithoutPlayer, PlayReportsTheMissingPlayerLibrary) {
  test::FakeAudio audio;
  TNkSound3D sound{audio, [] { return std::unique_ptr<ModPlayer>(); }};
  TModListItem& tune = sound.AddMod();
  try {
    tune.Play();
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(
        e.what(),
        "Error initializing ModPlug library, please make sure that mppsdk.dll is somewhere in your path!");
  }
  EXPECT_FALSE(tune.Loaded());
}

TEST(TunesWithOpenMpt, AMissingFileStopsAtTheFirstRefill) {
  test::FakeAudio audio;
  TNkSound3D sound{audio};
  TModListItem& tune = sound.AddMod();
  tune.FileName = "no such folder\\nothing.xm";
  tune.Play();
  std::vector<int16_t> mix(2 * 22050, 0);
  audio.hook(mix.data(), 22050);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (tune.Playing() && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  EXPECT_FALSE(tune.Playing());
}

}  // namespace
}  // namespace nk
