#pragma once
#include <functional>
#include <memory>

#include "audio/mod_list.h"
#include "audio/mod_player.h"
#include "audio/stream_mixer.h"
#include "platform/audio_output.h"

namespace nk {

// The tracker-music component: a list of tunes played by name, all mixed into the output's stream.
class TNkSound3D {
 public:
  // Where tunes get their module players; nullptr stands for a missing player library.
  using PlayerSource = std::function<std::unique_ptr<ModPlayer>()>;

  explicit TNkSound3D(AudioOutput& output, PlayerSource players = makeOpenMptPlayer);
  ~TNkSound3D();
  TNkSound3D(const TNkSound3D&) = delete;
  TNkSound3D& operator=(const TNkSound3D&) = delete;

  TModListItem& AddMod() { return ModList.Add(*this); }
  StreamMixer& SoundDevice() { return device_; }
  // A player for one tune; throws the player library's message when there is none.
  std::unique_ptr<ModPlayer> NewPlayer() const;

 private:
  AudioOutput& output_;
  PlayerSource players_;
  StreamMixer device_;

 public:
  TModListCollection ModList;  // after the device: the tunes leave it before it goes
};

}  // namespace nk
