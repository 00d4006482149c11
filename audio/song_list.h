#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "audio/named_collection.h"
#include "platform/audio_output.h"

namespace nk {

// One sound effect: its wave file kept decoded on a channel of its own, so playing it is only a
// rewind and a start, and replaying it while it sounds starts it over.
class TSongListItem {
 public:
  explicit TSongListItem(AudioOutput& output) : output_(output) {}
  ~TSongListItem();
  TSongListItem(const TSongListItem&) = delete;
  TSongListItem& operator=(const TSongListItem&) = delete;

  std::string Name;
  std::string FileName;  // game path, "Sounds\\CLICK4.wav"
  bool Loop = false;

  int32_t Volume() const { return volume_; }
  int32_t Pan() const { return pan_; }
  // Clamp (0..100, -100..100) and store; applied to the playback when it exists.
  void SetVolume(int32_t volume);
  void SetPan(int32_t pan);  // throws "Error setting Pan"

  bool Opened() const { return playback_ && playback_->wave != 0; }
  bool Ready() const { return ready_; }

  void Initialize();
  void Open(const std::string& fileName);
  void Play();  // throws "Error playing sound"
  void Stop();
  // Seconds; 0 without playback.
  double Position() const;
  double Duration() const;
  // Position < Duration: a stopped, rewound effect counts as playing, one that ran out does not.
  bool IsPlaying() const;
  // Starts a finished effect over.
  void Service();

 private:
  // What stands in for the effect's media graph: present from Open until release, whether or
  // not the file could be decoded (an undecodable file plays silently).
  struct Playback {
    AudioOutput::WaveId wave = 0;
    bool running = false;
    double startedAt = 0;  // output seconds when the position was last set to 0 while running
  };
  void release();
  void rewindAndRun();
  void applyGains(bool reportFailure);

  AudioOutput& output_;
  int32_t volume_ = 100;
  int32_t pan_ = 0;
  bool ready_ = false;
  int channel_ = -1;  // taken on the first Open and kept
  std::optional<Playback> playback_;
};

// The effects of one TNkMusic.
class TSongListCollection : public TNamedCollection<TSongListItem> {};

}  // namespace nk
