#include "audio/sound_board.h"

#include "audio/nk_music.h"
#include "audio/nk_sound3d.h"

namespace nk {

void SoundBoard::Connect(TNkMusic* effects, TNkSound3D* tunes) {
  effects_ = effects;
  tunes_ = tunes;
}

void SoundBoard::PlayEffect(const std::string& name) {
  if (!soundOn_ || effects_ == nullptr) return;
  if (TSongListItem* item = effects_->Songs.Find(name)) {
    played_.push_back(name);
    item->Play();
  }
}

void SoundBoard::StopEffect(const std::string& name) {
  if (effects_ == nullptr) return;
  if (TSongListItem* item = effects_->Songs.Find(name)) item->Stop();
}

void SoundBoard::StartTune(const std::string& name) {
  if (!musicOn_ || tunes_ == nullptr) return;
  if (TModListItem* item = tunes_->ModList.Find(name)) item->Play();
}

void SoundBoard::StopTune(const std::string& name) {
  if (tunes_ == nullptr) return;
  if (TModListItem* item = tunes_->ModList.Find(name)) item->Stop();
}

}  // namespace nk
