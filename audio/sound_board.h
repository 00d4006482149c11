#pragma once
#include <string>
#include <vector>

namespace nk {

class TNkMusic;
class TNkSound3D;

// How the game sounds: effects only while the sound switch is on, tunes only start while the
// music switch is on (stopping always works). Names that are not in the lists do nothing.
class SoundBoard {
 public:
  SoundBoard(const bool& soundOn, const bool& musicOn) : soundOn_(soundOn), musicOn_(musicOn) {}

  // The components to use; nullptr when they are gone.
  void Connect(TNkMusic* effects, TNkSound3D* tunes);

  void PlayEffect(const std::string& name);
  void StopEffect(const std::string& name);
  void StartTune(const std::string& name);
  void StopTune(const std::string& name);

  // Every effect played, in order.
  const std::vector<std::string>& Played() const { return played_; }

 private:
  const bool& soundOn_;
  const bool& musicOn_;
  TNkMusic* effects_ = nullptr;
  TNkSound3D* tunes_ = nullptr;
  std::vector<std::string> played_;
};

}  // namespace nk
