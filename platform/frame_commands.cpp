#include "platform/frame_commands.h"

namespace nk {

void FrameCommands::replay(RenderDevice& device) const {
  for (const Command& command : commands) {
    if (const auto* b = std::get_if<Blend>(&command)) {
      device.setBlend(b->src, b->dst);
    } else if (const auto* t = std::get_if<Bind>(&command)) {
      device.bindTexture(t->id);
    } else if (const auto* c = std::get_if<Clear>(&command)) {
      device.clear(c->argb);
    } else {
      device.drawFan(std::get<QuadVertices>(command));
    }
  }
}

}  // namespace nk
