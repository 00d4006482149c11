#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "audio/mod_player.h"
#include "audio/mod_plug_event_thread.h"
#include "audio/named_collection.h"
#include "audio/stream_buffer.h"
#include "audio/tune_events.h"

namespace nk {

class TNkSound3D;

// One tracker tune, streamed: its worker renders the module into the half of the buffer that is
// not playing whenever the play position crosses into the other half.
class TModListItem {
 public:
  explicit TModListItem(TNkSound3D& owner) : Owner(owner) {}
  ~TModListItem();
  TModListItem(const TModListItem&) = delete;
  TModListItem& operator=(const TModListItem&) = delete;

  std::string Name;
  std::string FileName;  // game path, "Sounds\\whatever.xm"
  bool Loop = false;
  uint32_t RepeatCount = 0;  // kept, not used by playback
  int32_t Volume = 100;      // kept, not used by playback

  bool Loaded() const { return loaded_; }
  // The buffer is running (the tune is heard, or silence until its first refill).
  bool Playing() const;

  // Loads on first use, then plays from where the last Stop left the module.
  void Play();
  void Stop();
  void Load();  // throws the player library's message when there is no player
  void Unload();

 private:
  void Service();  // one round of the worker
  void Refill(int event);

  TNkSound3D& Owner;
  std::unique_ptr<ModPlayer> Player;
  std::unique_ptr<StreamBuffer> Buffer;
  TuneEvents Events;
  std::unique_ptr<TModPlugEventThread> Worker;
  int32_t BufferSize = static_cast<int32_t>(StreamBuffer::kBytes);
  std::mutex Lock;  // the worker calls Player only under it
  std::atomic<bool> loaded_{false};
  std::vector<uint8_t> staging_;  // the worker's render target
};

// The tunes of one TNkSound3D.
class TModListCollection : public TNamedCollection<TModListItem> {};

}  // namespace nk
