#include "engine/nk_screen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "engine/blend_modes.h"
#include "engine/color.h"

namespace nk {

TNkScreen::TNkScreen(Host& host) : host_(host) {
  if (OnCreate) OnCreate();
}

TNkScreen::~TNkScreen() {
  host_.setCursorVisible(true);
  if (initialised_) {
    deviceReleased();
    if (OnUnInit) OnUnInit();
  }
  active_ = initialised_ = false;
  if (OnDestroy) OnDestroy();
}

void TNkScreen::SetRed(uint8_t v) { color_ = MakeColor(v, Green(), Blue(), Alpha()); }
void TNkScreen::SetGreen(uint8_t v) { color_ = MakeColor(Red(), v, Blue(), Alpha()); }
void TNkScreen::SetBlue(uint8_t v) { color_ = MakeColor(Red(), Green(), v, Alpha()); }
void TNkScreen::SetAlpha(uint8_t v) { color_ = MakeColor(Red(), Green(), Blue(), v); }

void TNkScreen::SetFrequency(unsigned value) {
  static constexpr std::array<unsigned, 16> kRates = {56,  60,  70,  72,  75,  85,  90,  100,
                                                      120, 140, 144, 150, 160, 170, 200, 240};
  frequency_ = std::find(kRates.begin(), kRates.end(), value) != kRates.end() ? value : 0;
}

void TNkScreen::BackBufferSize(int& width, int& height) const {
  static constexpr std::array<std::array<int, 2>, 7> kModes = {
      {{800, 600}, {640, 400}, {640, 480}, {1024, 768}, {320, 200}, {320, 240}, {1280, 1024}}};
  width = Width;
  height = Height;
  if (FullScreen &&
      std::find(kModes.begin(), kModes.end(), std::array<int, 2>{Width, Height}) == kModes.end()) {
    width = 800;
    height = 600;
  }
}

void TNkScreen::Initialize() {
  if (BBCount < 1 && FullScreen) BBCount = 1;
  // The initial render states: plain alpha blending, which is blend mode 0.
  blendMode_ = 0;
  src_ = BlendFactor::SrcAlpha;
  dst_ = BlendFactor::InvSrcAlpha;
  applyBlend();
  active_ = initialised_ = true;
  deviceInitialised();
  if (OnInit) OnInit();
  host_.setCursorVisible(ShowMouseCursor);
}

void TNkScreen::deviceInitialised() {
  host_.device().bindTexture(0);
  for (auto& c : clients_) {
    if (c.kind == DeviceClient::Kind::ImageList && c.init) c.init(*this);
  }
  for (auto& c : clients_) {
    if (c.kind != DeviceClient::Kind::ImageList && c.init) c.init(*this);
  }
}

void TNkScreen::deviceReleased() {
  host_.device().bindTexture(0);
  for (auto& c : clients_) {
    if (c.kind == DeviceClient::Kind::BitmapFont && c.release) c.release();
  }
  for (auto& c : clients_) {
    if (c.kind != DeviceClient::Kind::BitmapFont && c.release) c.release();
  }
}

void TNkScreen::Clear(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  if (initialised_) host_.device().clear(MakeColor(r, g, b, a));
}

void TNkScreen::BeginScene() {
  if (!initialised_) return;
  switch (host_.device().status()) {
    case DeviceStatus::Lost: return;
    case DeviceStatus::NeedsReset: ResetDevice(); return;
    case DeviceStatus::Ready: break;
  }
  if (active_) {
    host_.device().beginScene();
    inScene_ = true;
  }
}

void TNkScreen::EndScene() {
  if (!inScene_) return;
  inScene_ = false;
  host_.device().endScene();
  host_.device().present();
}

void TNkScreen::applyBlend() { host_.device().setBlend(src_, dst_); }

void TNkScreen::SetBlendMode(int mode) {
  if (mode == -1 || mode == blendMode_) return;
  const BlendFactors f = BlendModeFactors(mode);
  src_ = f.src;
  dst_ = f.dst;
  blendMode_ = mode;
  if (initialised_) applyBlend();
}

void TNkScreen::SetDestBlend(BlendFactor dst) { SetBlend({src_, dst}); }

void TNkScreen::SetBlend(BlendFactors factors) {
  if (factors.src == src_ && factors.dst == dst_) return;
  src_ = factors.src;
  dst_ = factors.dst;
  if (initialised_) applyBlend();
}

bool TNkScreen::ResetDevice() {
  if (!initialised_) return false;
  deviceReleased();
  if (OnUnInit) OnUnInit();
  if (host_.device().status() != DeviceStatus::Ready) {
    if (!host_.device().reset()) return false;
    if (!host_.device().texturesSurviveReset()) {
      for (auto& c : clients_) {
        if (c.texturesLost) c.texturesLost();
      }
    }
  }
  host_.setCursorVisible(ShowMouseCursor);
  applyBlend();
  deviceInitialised();
  if (OnInit) OnInit();
  ++resets_;
  return true;
}

void TNkScreen::ToggleFullScreen() {
  active_ = false;
  FullScreen = !FullScreen;
  host_.setFullScreen(FullScreen);
  ResetDevice();
  active_ = initialised_ = true;
}

void TNkScreen::BindTexture(TextureId id) {
  if (initialised_) host_.device().bindTexture(id);
}

void TNkScreen::DrawQuad(const QuadVertices& quad) {
  if (!inScene_) return;  // a skipped frame draws nothing
  const double r = Rotation * std::numbers::pi / 180.0;
  const double c = std::cos(r), s = std::sin(r);
  const double cx = CenterX, cy = CenterY;
  QuadVertices out = quad;
  for (auto& v : out) {
    uint32_t color = 0;
    for (int shift = 0; shift < 32; shift += 8) {
      color |= ((((v.color >> shift) & 0xFF) * ((color_ >> shift) & 0xFF)) >> 8) << shift;
    }
    v.color = color;
    const double dx = v.x - cx, dy = v.y - cy;
    v.x = static_cast<float>(OffsetX + cx + ScaleX * c * dx - ScaleY * s * dy);
    v.y = static_cast<float>(OffsetY + cy + ScaleX * s * dx + ScaleY * c * dy);
  }
  host_.device().drawFan(out);
}

}  // namespace nk
