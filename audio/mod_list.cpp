#include "audio/mod_list.h"

#include <algorithm>

#include "audio/nk_sound3d.h"
#include "platform/files.h"

namespace nk {
namespace {
// Bounds how long a worker takes to notice that it is told to end.
constexpr std::chrono::milliseconds kWaitLimit{500};
}  // namespace

TModListItem::~TModListItem() {
  Unload();
  Worker.reset();
  if (Buffer) Owner.SoundDevice().Detach(*Buffer);
}

bool TModListItem::Playing() const { return loaded_ && Buffer->Playing(); }

void TModListItem::Load() {
  if (loaded_) return;  // a loaded tune's worker is using the player and the buffer
  Player = Owner.NewPlayer();
  if (Buffer) Owner.SoundDevice().Detach(*Buffer);
  Buffer = std::make_unique<StreamBuffer>([this](int i) { Events.Set(i); });
  Owner.SoundDevice().Attach(*Buffer);
  Player->SetSampleRate(AudioOutput::kSampleRate);
  BufferSize = static_cast<int32_t>(StreamBuffer::kBytes);
  if (!Worker) Worker = std::make_unique<TModPlugEventThread>([this] { Service(); });
  // A missing or damaged file leaves a player with nothing to render: the tune stops at its first refill.
  Player->LoadModule(readWholeFile(FileName).value_or(std::string()));
  loaded_ = true;
}

void TModListItem::Play() {
  if (!loaded_) Load();
  {
    std::lock_guard lock(Lock);
    const uint32_t options = Player->Options();
    Player->SetOptions(Loop ? options | ModPlayer::kLoopOption : options & ~ModPlayer::kLoopOption);
  }
  Buffer->FillSilence();
  Worker->Resume();
  Buffer->Play();
}

void TModListItem::Stop() {
  if (!loaded_) return;
  Buffer->Stop();
  Worker->Suspend();
}

void TModListItem::Unload() {
  if (!loaded_ || !Player) return;
  Stop();
  Worker->Terminate();
  Events.Wake();
  Worker.reset();
  Player->ReleaseModule();
  Player.reset();
  loaded_ = false;
}

void TModListItem::Service() {
  const int event = Events.Wait(kWaitLimit);
  if (event >= 0) Refill(event);
}

void TModListItem::Refill(int event) {
  // Entering the second half frees the first, wrapping to the start frees the second.
  const size_t half = StreamBuffer::kHalf;
  const size_t offset = event == 1 ? 0 : half;
  const size_t length = event == 1 ? half : static_cast<size_t>(BufferSize) - half;
  staging_.assign(length, 0);
  size_t rendered = 0;
  {
    std::lock_guard lock(Lock);
    rendered = Player->Render(staging_.data(), length);
  }
  Buffer->Write(offset, staging_.data(), length);
  if (rendered == 0) Stop();
}

}  // namespace nk
