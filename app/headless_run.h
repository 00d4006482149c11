#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "app/script.h"
#include "platform/host.h"

namespace nk {

class TForm1;
class HeadlessHost;

struct HeadlessResult {
  int64_t lastFrame = -1;  // the last pass that ran
  bool closed = false;     // the window closed (rather than running out of frames)
  bool captureFailed = false;
};

// Runs the loop on the virtual clock: pass n happens at n/120 s; the script's input of pass n
// arrives before its idle step (through input: the form, or something in front of it), its
// screenshots and dumps are taken after it, then afterPass gets n. A signal to end stops it too.
HeadlessResult runHeadless(TForm1& form, WindowEvents& input, HeadlessHost& host,
                           const std::vector<ScriptEvent>& script, std::optional<int64_t> frames,
                           const std::function<void(int64_t pass)>& afterPass = nullptr);

}  // namespace nk
