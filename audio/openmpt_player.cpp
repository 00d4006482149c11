#include <libopenmpt/libopenmpt.hpp>

#include <sstream>

#include "audio/mod_player.h"

namespace nk {
namespace {

class OpenMptPlayer final : public ModPlayer {
 public:
  bool LoadModule(const std::string& data) override {
    module_.reset();
    try {
      module_ = std::make_unique<openmpt::module>(data.data(), data.size(), log_);
    } catch (const std::exception&) {
      return false;  // not a module: renders nothing
    }
    applyOptions();
    return true;
  }
  void ReleaseModule() override { module_.reset(); }
  void SetSampleRate(int rate) override { rate_ = rate; }
  size_t Render(uint8_t* buffer, size_t bytes) override {
    if (!module_) return 0;
    const size_t frames =
        module_->read_interleaved_stereo(rate_, bytes / 4, reinterpret_cast<int16_t*>(buffer));
    return frames * 4;
  }
  void SetOptions(uint32_t options) override {
    options_ = options;
    applyOptions();
  }
  uint32_t Options() const override { return options_; }

 private:
  void applyOptions() {
    if (module_) module_->set_repeat_count((options_ & kLoopOption) != 0 ? -1 : 0);
  }

  std::ostringstream log_;  // libopenmpt's chatter stays out of the game's output
  std::unique_ptr<openmpt::module> module_;
  int rate_ = 44100;
  uint32_t options_ = 0;
};

}  // namespace

std::unique_ptr<ModPlayer> makeOpenMptPlayer() { return std::make_unique<OpenMptPlayer>(); }

}  // namespace nk
