#include "app/script.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

#include "codec/cp1251.h"
#include "platform/keys.h"
#include "platform/pad_controls.h"

namespace nk {
namespace {

constexpr std::pair<std::string_view, int> kNamedKeys[] = {
    {"Left", vk::Left},      {"Right", vk::Right},   {"Up", vk::Up},        {"Down", vk::Down},
    {"Space", vk::Space},    {"Ctrl", vk::Control},  {"Enter", vk::Return}, {"Escape", vk::Escape},
    {"Backspace", vk::Back}, {"Delete", vk::Delete}, {"Home", vk::Home},    {"End", vk::End},
    {"F1", vk::F1},
};

bool toInt(std::string_view s, int64_t& out) {
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && p == s.data() + s.size() && !s.empty();
}

std::vector<std::string_view> words(std::string_view line, size_t limit) {
  // Splits on blanks; the last of `limit` words takes the rest of the line (for `type`).
  std::vector<std::string_view> out;
  size_t i = 0;
  while (i < line.size() && out.size() < limit) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= line.size()) break;
    size_t j = i;
    if (out.size() + 1 == limit) {
      j = line.size();
    } else {
      while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
    }
    out.push_back(line.substr(i, j - i));
    i = j;
  }
  return out;
}

}  // namespace

int keyFromName(std::string_view name) {
  for (const auto& [n, code] : kNamedKeys) {
    if (n == name) return code;
  }
  if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) {
    return name[0];
  }
  int64_t code = 0;
  if (name.size() > 3 && name.substr(0, 3) == "vk:" && toInt(name.substr(3), code) && code > 0 &&
      code < 256) {
    return static_cast<int>(code);
  }
  return 0;
}

std::string keyName(int virtualKey) {
  for (const auto& [name, code] : kNamedKeys) {
    if (code == virtualKey) return std::string(name);
  }
  if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9')) {
    return std::string(1, static_cast<char>(virtualKey));
  }
  return "vk:" + std::to_string(virtualKey);
}

namespace {

// What is wrong with a line's command, if anything.
using Problem = std::optional<std::string>;
using Words = std::vector<std::string_view>;

Problem addKey(ScriptEvent event, std::string_view command, const Words& args,
               std::vector<ScriptEvent>& events) {
  if (args.size() != 1) return std::string(command) + " takes one key";
  event.key = keyFromName(args[0]);
  if (event.key == 0) return "unknown key '" + std::string(args[0]) + "'";
  event.kind = command == "up" ? ScriptEvent::Kind::KeyUp : ScriptEvent::Kind::KeyDown;
  events.push_back(event);
  if (command == "tap") {
    event.kind = ScriptEvent::Kind::KeyUp;
    ++event.frame;
    events.push_back(event);
  }
  return std::nullopt;
}

// One character message a pass.
Problem addTyping(ScriptEvent event, std::string_view text, std::vector<ScriptEvent>& events) {
  if (text.empty()) return "type needs text";
  event.kind = ScriptEvent::Kind::Char;
  for (char c : utf8ToCp1251(text)) {
    event.key = static_cast<unsigned char>(c);
    events.push_back(event);
    ++event.frame;
  }
  return std::nullopt;
}

Problem addCharacter(ScriptEvent event, const Words& args, std::vector<ScriptEvent>& events) {
  int64_t code = 0;
  if (args.size() != 1 || !toInt(args[0], code) || code < 1 || code > 255) return "char takes a code 1..255";
  event.kind = ScriptEvent::Kind::Char;
  event.key = static_cast<int>(code);
  events.push_back(event);
  return std::nullopt;
}

Problem addPointer(ScriptEvent event, std::string_view command, const Words& args,
                   std::vector<ScriptEvent>& events) {
  int64_t x = 0, y = 0;
  if (args.size() != 2 || !toInt(args[0], x) || !toInt(args[1], y))
    return std::string(command) + " takes X Y";
  event.kind = command == "mouse"   ? ScriptEvent::Kind::Mouse
               : command == "click" ? ScriptEvent::Kind::Click
                                    : ScriptEvent::Kind::DoubleClick;
  event.x = static_cast<int>(std::clamp<int64_t>(x, -100000, 100000));
  event.y = static_cast<int>(std::clamp<int64_t>(y, -100000, 100000));
  events.push_back(event);
  return std::nullopt;
}

// `pad down|up|tap BUTTON` or `pad axis AXIS VALUE`, with SDL's names of the controls.
Problem addPad(ScriptEvent event, const Words& args, std::vector<ScriptEvent>& events) {
  using Kind = ScriptEvent::Kind;
  const std::string_view what = args.empty() ? std::string_view{} : args[0];
  if (what == "down" || what == "up" || what == "tap") {
    const std::optional<PadButton> button = args.size() == 2 ? padButtonFromName(args[1]) : std::nullopt;
    if (!button)
      return "pad " + std::string(what) + " takes a button: a b x y back start dpup dpdown dpleft dpright";
    event.key = static_cast<int>(*button);
    event.kind = what == "up" ? Kind::PadUp : Kind::PadDown;
    events.push_back(event);
    if (what == "tap") {
      event.kind = Kind::PadUp;
      ++event.frame;
      events.push_back(event);
    }
    return std::nullopt;
  }
  if (what != "axis") return "pad takes down, up, tap or axis";
  const std::optional<PadAxis> axis = args.size() == 3 ? padAxisFromName(args[1]) : std::nullopt;
  int64_t value = 0;
  if (!axis || !toInt(args[2], value) || value < kPadAxisMin || value > kPadAxisMax)
    return "pad axis takes leftx or lefty and a value -32768..32767";
  event.kind = Kind::PadAxis;
  event.key = static_cast<int>(*axis);
  event.x = static_cast<int>(value);
  events.push_back(event);
  return std::nullopt;
}

// The events of one command at `frame`; `rest` is the line after the command's name.
Problem addCommand(int64_t frame, std::string_view command, std::string_view rest,
                   std::vector<ScriptEvent>& events) {
  const Words args = words(rest, 8);
  ScriptEvent event;
  event.frame = frame;
  if (command == "down" || command == "up" || command == "tap") return addKey(event, command, args, events);
  if (command == "type") return addTyping(event, rest, events);
  if (command == "char") return addCharacter(event, args, events);
  if (command == "mouse" || command == "click" || command == "dblclick") {
    return addPointer(event, command, args, events);
  }
  if (command == "pad") return addPad(event, args, events);
  if (command == "screenshot" || command == "dump") {
    if (args.size() != 1) return std::string(command) + " takes one file name";
    event.kind = command == "dump" ? ScriptEvent::Kind::Dump : ScriptEvent::Kind::Screenshot;
    event.file = std::string(args[0]);
  } else if (command == "close") {
    if (!args.empty()) return "close takes nothing";
    event.kind = ScriptEvent::Kind::Close;
  } else {
    return "unknown command '" + std::string(command) + "'";
  }
  events.push_back(event);
  return std::nullopt;
}

// "seed N"; nothing when the number is missing or not one.
std::optional<uint64_t> parseSeed(std::string_view line) {
  const Words parts = words(line, 3);
  uint64_t seed = 0;
  const std::string_view number = parts.size() == 2 ? parts[1] : std::string_view{};
  auto [last, error] = std::from_chars(number.data(), number.data() + number.size(), seed);
  if (number.empty() || error != std::errc() || last != number.data() + number.size()) return std::nullopt;
  return seed;
}

// The next line of the text, from `pos` on, without its line end and its comment.
std::string_view nextLine(std::string_view text, size_t& pos) {
  size_t end = text.find('\n', pos);
  if (end == std::string_view::npos) end = text.size();
  std::string_view line = text.substr(pos, end - pos);
  pos = end + 1;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (const size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
  return line;
}

}  // namespace

std::variant<Script, ScriptError> parseScript(std::string_view text) {
  Script script;
  int lineNo = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    const std::string_view line = nextLine(text, pos);
    ++lineNo;
    const Words head = words(line, 2);
    if (head.empty()) continue;
    auto fail = [&](std::string message) { return ScriptError{lineNo, std::move(message)}; };
    if (head[0] == "seed") {
      const std::optional<uint64_t> seed = parseSeed(line);
      if (!seed) return fail("seed takes one number");
      script.seed = *seed;
      continue;
    }
    int64_t frame = 0;
    if (!toInt(head[0], frame) || frame < 0) {
      return fail("expected a frame number, got '" + std::string(head[0]) + "'");
    }
    if (head.size() < 2) return fail("missing command");
    const Words parts = words(line, 3);
    const std::string_view rest = parts.size() > 2 ? parts[2] : std::string_view{};
    if (Problem problem = addCommand(frame, parts[1], rest, script.events)) return fail(std::move(*problem));
  }
  std::stable_sort(script.events.begin(), script.events.end(),
                   [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
  return script;
}

}  // namespace nk
