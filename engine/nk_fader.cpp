#include "engine/nk_fader.h"

#include <cmath>

#include "engine/color.h"
#include "engine/nk_screen.h"

namespace nk {

void TNkFader::SetFadeSpeed(float value) { fadeSpeed_ = value > 100 ? 100 : value < 0 ? 0 : value; }

void TNkFader::SetStartColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  start_ = current_ = Rgba{r, g, b, a};
}

void TNkFader::SetEndColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a) { end_ = Rgba{r, g, b, a}; }

void TNkFader::SetEndColorARGB(uint32_t argb) {
  end_ = Rgba{static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8), static_cast<uint8_t>(argb),
              static_cast<uint8_t>(argb >> 24)};
}

void TNkFader::Reset() {
  progress_ = 0;
  mirrorCount_ = 0;
  finished_ = false;
}

void TNkFader::FadeToColor(uint8_t r, uint8_t g, uint8_t b, float speed) {
  start_ = Rgba{r, g, b, 0};
  end_ = Rgba{r, g, b, 255};
  SetFadeSpeed(speed);
  Reset();
}

void TNkFader::Draw() {
  if (NkScreen != nullptr) {
    const uint32_t c = MakeColor(current_.r, current_.g, current_.b, current_.a);
    const auto w = static_cast<float>(NkScreen->Width), h = static_cast<float>(NkScreen->Height);
    NkScreen->BindTexture(0);
    NkScreen->SetBlendMode(BlendMode);
    NkScreen->DrawQuad({DeviceVertex{0, 0, c, 0, 0}, DeviceVertex{w, 0, c, 0, 0}, DeviceVertex{w, h, c, 0, 0},
                        DeviceVertex{0, h, c, 0, 0}});
  }
  if (fadeSpeed_ > 0) Step();
}

void TNkFader::Step() {
  finished_ = false;
  const double t = progress_ * 0.01;
  auto mix = [t](uint8_t from, uint8_t to) {
    return static_cast<uint8_t>(std::lround((1 - t) * from + t * to));
  };
  current_ = Rgba{mix(start_.r, end_.r), mix(start_.g, end_.g), mix(start_.b, end_.b), mix(start_.a, end_.a)};
  progress_ += fadeSpeed_;
  if (progress_ < 100) return;
  if (MirrorFade) {
    ++mirrorCount_;
    if (mirrorCount_ == 1 || LoopFade) {
      progress_ = 0;
      end_ = start_;
      start_ = current_;
      return;
    }
  } else if (LoopFade) {
    progress_ = 0;
    return;
  }
  progress_ = 100;
  finished_ = true;
}

}  // namespace nk
