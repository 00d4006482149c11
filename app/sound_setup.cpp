#include "app/sound_setup.h"

#include <array>

#include <nlohmann/json.hpp>

namespace nk {
namespace {

struct EffectEntry {
  const char* name;
  const char* file;
  int32_t volume;
};

constexpr std::array<EffectEntry, 13> kEffects{{
    {"check", "Sounds\\CLICK4.wav", 20},
    {"menumove", "Sounds\\SOUND2.wav", 20},
    {"opendoor", "Sounds\\SWITCH-2.wav", 50},
    {"openwithkey", "Sounds\\BRFCSOPN.wav", 50},
    {"takemoney", "Sounds\\CLICK22.wav", 50},
    {"takekey", "Sounds\\MYSTERY.wav", 50},
    {"shot", "Sounds\\MUS_6.wav", 50},
    {"timesup", "Sounds\\DOWNER.wav", 50},
    {"sirena", "Sounds\\POLICE_S.wav", 100},
    {"tic", "Sounds\\CUT.wav", 30},
    {"findseif", "Sounds\\TUTFILL.wav", 100},
    {"ahhh", "Sounds\\AHHH.wav", 100},
    {"argh", "Sounds\\WIP_RW.wav", 100},
}};

struct TuneEntry {
  const char* name;
  const char* file;
};

constexpr std::array<TuneEntry, 2> kTunes{{
    {"menumusic", "Sounds\\whatever.xm"},
    {"gamemusic", "Sounds\\retroctober.xm"},
}};

}  // namespace

std::unique_ptr<TNkMusic> MakeGameEffects(AudioOutput& output) {
  auto music = std::make_unique<TNkMusic>(output);
  for (const EffectEntry& e : kEffects) {
    TSongListItem& item = music->AddSong();
    item.Name = e.name;
    item.FileName = e.file;
    item.SetVolume(e.volume);
  }
  return music;
}

std::unique_ptr<TNkSound3D> MakeGameTunes(AudioOutput& output) {
  auto sound = std::make_unique<TNkSound3D>(output);
  for (const TuneEntry& t : kTunes) {
    TModListItem& item = sound->AddMod();
    item.Name = t.name;
    item.FileName = t.file;
    item.Loop = true;
  }
  return sound;
}

nlohmann::json DescribeTunes(const TNkSound3D& tunes) {
  nlohmann::json out = nlohmann::json::object();
  for (size_t i = 0; i < tunes.ModList.Count(); ++i) {
    const TModListItem& tune = tunes.ModList.Items(i);
    out[tune.Name] = tune.Playing() ? "playing" : "stopped";
  }
  return out;
}

}  // namespace nk
