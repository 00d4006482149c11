#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace nk {

// One timed input of a headless run. Taps and typed text are already split into single events.
struct ScriptEvent {
  enum class Kind {
    KeyDown,
    KeyUp,
    Char,
    Mouse,
    Click,
    DoubleClick,
    PadDown,
    PadUp,
    PadAxis,
    Screenshot,
    Dump,
    Close
  };
  int64_t frame = 0;
  Kind kind = Kind::KeyDown;
  int key = 0;       // virtual-key code, the Windows-1251 byte of Char, the PadButton or PadAxis
  int x = 0, y = 0;  // Mouse, Click, DoubleClick; x is PadAxis's value
  std::string file;  // Screenshot, Dump
  bool operator==(const ScriptEvent&) const = default;
};

struct ScriptError {
  int line;
  std::string message;
};

struct Script {
  std::optional<uint64_t> seed;     // a `seed N` line: the run's seed unless --seed gives one
  std::vector<ScriptEvent> events;  // sorted by frame, in the order written within a frame
};

std::variant<Script, ScriptError> parseScript(std::string_view text);

// A key name of the script ("Left", "A", "7", "vk:NN") as a virtual-key code; 0 when unknown.
int keyFromName(std::string_view name);
// The script's name of a virtual-key code, the other way round.
std::string keyName(int virtualKey);

}  // namespace nk
