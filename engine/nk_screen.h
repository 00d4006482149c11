#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/blend_modes.h"
#include "platform/host.h"
#include "platform/render_device.h"

namespace nk {

enum TPool { plManaged, plDefault };
enum TRenderMode { rmHardware, rmReference, rmSoftware };

// The screen: brackets frames on the window's device, applies the screen-wide colour and transform
// to every quad, keeps the blend mode, survives a lost device, and switches full screen.
class TNkScreen {
 public:
  // A component of the same owner that keeps device state (image lists, fonts, widgets). The
  // screen tells them after every device creation or reset and before every reset or release.
  struct DeviceClient {
    enum class Kind { ImageList, TextFont, BitmapFont, Gui };
    Kind kind;
    std::function<void(TNkScreen&)> init;
    std::function<void()> release;
    // The device's reset lost every texture: let go of them, so that init makes them again.
    std::function<void()> texturesLost;
  };

  explicit TNkScreen(Host& host);
  ~TNkScreen();
  TNkScreen(const TNkScreen&) = delete;
  TNkScreen& operator=(const TNkScreen&) = delete;

  TPool Pool = plManaged;
  float ScaleX = 1.0f, ScaleY = 1.0f;
  int CenterX = 0, CenterY = 0;
  int OffsetX = 0, OffsetY = 0;
  float Rotation = 0;
  bool ShowMouseCursor = true;
  TRenderMode RenderMode = rmHardware;
  int Width = 800, Height = 600;
  bool ZBuffer = true;
  bool FullScreen = false;
  bool VSYNC = false;
  bool BackBufferAccess = false;
  int BBCount = 0;
  std::function<void()> OnCreate, OnDestroy, OnInit, OnUnInit;

  uint8_t Red() const { return static_cast<uint8_t>(color_ >> 16); }
  uint8_t Green() const { return static_cast<uint8_t>(color_ >> 8); }
  uint8_t Blue() const { return static_cast<uint8_t>(color_); }
  uint8_t Alpha() const { return static_cast<uint8_t>(color_ >> 24); }
  void SetRed(uint8_t v);
  void SetGreen(uint8_t v);
  void SetBlue(uint8_t v);
  void SetAlpha(uint8_t v);
  uint32_t Color() const { return color_; }
  void SetColor(uint32_t argb) { color_ = argb; }
  int bpp() const { return bpp_; }
  void Setbpp(int value) { bpp_ = value == 32 ? 32 : 16; }
  unsigned Frequency() const { return frequency_; }
  // Refresh rates the adapter knows; anything else means its default (0).
  void SetFrequency(unsigned value);

  void AddDeviceClient(DeviceClient client) { clients_.push_back(std::move(client)); }

  // Makes the device ready for drawing and tells the components.
  void Initialize();
  void Clear(uint8_t r, uint8_t g, uint8_t b, uint8_t a);
  // Starts a frame; a lost device skips it (and a resettable one is reset), and the draws that
  // follow have no effect.
  void BeginScene();
  void EndScene();
  bool InScene() const { return inScene_; }
  // Sets the device's factors from the blend-mode table, only when the mode changes; -1 leaves them.
  void SetBlendMode(int mode);
  int BlendMode() const { return blendMode_; }
  // Changes only the destination factor, leaving the recorded blend mode as it is.
  void SetDestBlend(BlendFactor dst);
  // The device's factors as they stand, and setting them without recording a blend mode: for
  // drawing that must put back whatever it found.
  BlendFactors Blend() const { return {src_, dst_}; }
  void SetBlend(BlendFactors factors);
  void ToggleFullScreen();
  // A device reset with every component told before and after; false when the device cannot yet.
  bool ResetDevice();
  // How many resets brought the device back.
  int Resets() const { return resets_; }
  // The back-buffer size a device gets: full screen accepts only the classic modes, else 800 x 600.
  void BackBufferSize(int& width, int& height) const;

  // The screen-wide colour and transform applied to one quad, then drawn as a fan of two triangles.
  void DrawQuad(const QuadVertices& quad);
  void BindTexture(TextureId id);
  RenderDevice* Device() const { return initialised_ ? &host_.device() : nullptr; }

 private:
  void deviceInitialised();
  void deviceReleased();
  void applyBlend();

  Host& host_;
  std::vector<DeviceClient> clients_;
  uint32_t color_ = 0xFFFFFFFF;
  int bpp_ = 16;
  unsigned frequency_ = 0;
  int blendMode_ = 0;
  int resets_ = 0;
  BlendFactor src_ = BlendFactor::SrcAlpha, dst_ = BlendFactor::InvSrcAlpha;
  bool inScene_ = false, active_ = false, initialised_ = false;
};

}  // namespace nk
