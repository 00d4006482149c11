#pragma once
#include <cstdint>

namespace nk {

class TNkScreen;

// Covers the screen with one untextured quad whose colour moves a step per drawn frame from a start
// colour to an end colour; optionally back again (mirror) or over and over (loop).
class TNkFader {
 public:
  struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba&) const = default;
  };

  TNkScreen* NkScreen = nullptr;
  bool MirrorFade = false;
  bool LoopFade = false;
  int BlendMode = 0;

  float FadeSpeed() const { return fadeSpeed_; }
  // Percent of the fade per step, 0 .. 100.
  void SetFadeSpeed(float value);
  void SetStartColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a);
  void SetEndColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a);
  void SetEndColorARGB(uint32_t argb);
  void Reset();
  // From clear to the opaque colour.
  void FadeToColor(uint8_t r, uint8_t g, uint8_t b, float speed);
  void Stop() { finished_ = true; }
  // Draws the current colour over everything drawn so far, then steps the fade.
  void Draw();

  bool Finished() const { return finished_; }
  float Progress() const { return progress_; }
  int MirrorCount() const { return mirrorCount_; }
  Rgba CurrentColor() const { return current_; }

 private:
  void Step();

  int mirrorCount_ = 0;
  float progress_ = 0;
  float fadeSpeed_ = 1.0f;
  bool finished_ = false;
  Rgba start_{0, 0, 0, 0}, end_{0, 0, 0, 255}, current_{0, 0, 0, 0};
};

}  // namespace nk
