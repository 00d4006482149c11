#include "platform/geometry_device.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace nk {
namespace {

// A texture SDL cannot make is no texture, which the image library reports, rather than a blank
// one that would draw as a white quad.
TEST(GeometryDevice, ATextureSdlCannotMakeIsNoTexture) {
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, 64, 64, 32, SDL_PIXELFORMAT_ARGB8888);
  ASSERT_NE(target, nullptr);
  SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(target);
  ASSERT_NE(renderer, nullptr) << SDL_GetError();
  {
    const auto device = makeGeometryDevice(renderer, 64, 64);
    const int largest = device->maxTextureSize();
    EXPECT_NE(device->createTexture(largest, 2), 0u);
    EXPECT_EQ(device->createTexture(largest + 1, 2), 0u);
    EXPECT_EQ(device->createTexture(2, 1 << 30), 0u);
    EXPECT_EQ(device->createTexture(0, 4), 0u);
    EXPECT_NE(device->createTexture(8, 2), 0u);
  }
  SDL_FreeSurface(target);
}

}  // namespace
}  // namespace nk
