#pragma once
#include "audio/song_list.h"

namespace nk {

// The sound-effect component: a list of effects played by name.
class TNkMusic {
 public:
  explicit TNkMusic(AudioOutput& output) : output_(output) {}

  // Opens every effect's file, in list order.
  void Initialize();
  // Starts every looping effect over that has finished.
  void ServiceLoops();
  // A new effect at the end of the list.
  TSongListItem& AddSong() { return Songs.Add(output_); }

  TSongListCollection Songs;

 private:
  AudioOutput& output_;
};

}  // namespace nk
