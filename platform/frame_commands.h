#pragma once
#include <cstdint>
#include <variant>
#include <vector>

#include "platform/render_device.h"

namespace nk {

// One frame as the device commands that draw it, to be drawn later or compared with another.
// A texture is named with the version of its contents at the time it was bound, so two frames
// are equal only when they would draw the same pixels.
struct FrameCommands {
  struct Blend {
    BlendFactor src, dst;
    bool operator==(const Blend&) const = default;
  };
  struct Bind {
    TextureId id;
    uint64_t version;
    bool operator==(const Bind&) const = default;
  };
  struct Clear {
    uint32_t argb;
    bool operator==(const Clear&) const = default;
  };
  using Command = std::variant<Blend, Bind, Clear, QuadVertices>;

  std::vector<Command> commands;

  bool operator==(const FrameCommands&) const = default;
  void replay(RenderDevice& device) const;
};

}  // namespace nk
