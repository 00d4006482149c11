#include "app/script.h"

#include <algorithm>
#include <charconv>
#include <sstream>
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

// `pad down|up|tap BUTTON` or `pad axis AXIS VALUE`, with SDL's names of the controls.
std::optional<std::string> parsePad(const std::vector<std::string_view>& args, ScriptEvent e,
                                    std::vector<ScriptEvent>& events) {
  using Kind = ScriptEvent::Kind;
  const std::string_view what = args.empty() ? std::string_view{} : args[0];
  if (what == "down" || what == "up" || what == "tap") {
    const auto button = args.size() == 2 ? padButtonFromName(args[1]) : std::nullopt;
    if (!button)
      return "pad " + std::string(what) + " takes a button: a b x y back start dpup dpdown dpleft dpright";
    e.key = static_cast<int>(*button);
    e.kind = what == "up" ? Kind::PadUp : Kind::PadDown;
    events.push_back(e);
    if (what == "tap") {
      e.kind = Kind::PadUp;
      ++e.frame;
      events.push_back(e);
    }
    return std::nullopt;
  }
  if (what == "axis") {
    const auto axis = args.size() == 3 ? padAxisFromName(args[1]) : std::nullopt;
    int64_t value = 0;
    if (!axis || !toInt(args[2], value) || value < kPadAxisMin || value > kPadAxisMax)
      return std::string("pad axis takes leftx or lefty and a value -32768..32767");
    e.kind = Kind::PadAxis;
    e.key = static_cast<int>(*axis);
    e.x = static_cast<int>(value);
    events.push_back(e);
    return std::nullopt;
  }
  return std::string("pad takes down, up, tap or axis");
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

std::variant<Script, ScriptError> parseScript(std::string_view text) {
  Script script;
  std::vector<ScriptEvent>& events = script.events;
  int lineNo = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (const size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
    const auto head = words(line, 2);
    if (head.empty()) continue;
    auto fail = [&](std::string message) { return ScriptError{lineNo, std::move(message)}; };

    if (head[0] == "seed") {
      const auto w = words(line, 3);
      uint64_t seed = 0;
      const std::string_view n = w.size() == 2 ? w[1] : std::string_view{};
      auto [p, ec] = std::from_chars(n.data(), n.data() + n.size(), seed);
      if (n.empty() || ec != std::errc() || p != n.data() + n.size()) return fail("seed takes one number");
      script.seed = seed;
      continue;
    }
    int64_t frame = 0;
    if (!toInt(head[0], frame) || frame < 0)
      return fail("expected a frame number, got '" + std::string(head[0]) + "'");
    if (head.size() < 2) return fail("missing command");
    const auto w = words(line, 3);
    const std::string_view command = w[1];
    const std::string_view rest = w.size() > 2 ? w[2] : std::string_view{};
    const auto args = words(rest, 8);
    ScriptEvent e;
    e.frame = frame;

    if (command == "down" || command == "up" || command == "tap") {
      if (args.size() != 1) return fail(std::string(command) + " takes one key");
      e.key = keyFromName(args[0]);
      if (e.key == 0) return fail("unknown key '" + std::string(args[0]) + "'");
      e.kind = command == "up" ? ScriptEvent::Kind::KeyUp : ScriptEvent::Kind::KeyDown;
      events.push_back(e);
      if (command == "tap") {
        e.kind = ScriptEvent::Kind::KeyUp;
        e.frame = frame + 1;
        events.push_back(e);
      }
    } else if (command == "type") {
      if (rest.empty()) return fail("type needs text");
      e.kind = ScriptEvent::Kind::Char;
      for (char c : utf8ToCp1251(rest)) {
        e.key = static_cast<unsigned char>(c);
        events.push_back(e);
        ++e.frame;
      }
    } else if (command == "char") {
      int64_t code = 0;
      if (args.size() != 1 || !toInt(args[0], code) || code < 1 || code > 255)
        return fail("char takes a code 1..255");
      e.kind = ScriptEvent::Kind::Char;
      e.key = static_cast<int>(code);
      events.push_back(e);
    } else if (command == "mouse" || command == "click" || command == "dblclick") {
      int64_t x = 0, y = 0;
      if (args.size() != 2 || !toInt(args[0], x) || !toInt(args[1], y)) {
        return fail(std::string(command) + " takes X Y");
      }
      e.kind = command == "mouse"   ? ScriptEvent::Kind::Mouse
               : command == "click" ? ScriptEvent::Kind::Click
                                    : ScriptEvent::Kind::DoubleClick;
      e.x = static_cast<int>(std::clamp<int64_t>(x, -100000, 100000));
      e.y = static_cast<int>(std::clamp<int64_t>(y, -100000, 100000));
      events.push_back(e);
    } else if (command == "pad") {
      if (auto error = parsePad(args, e, events)) return fail(*error);
    } else if (command == "screenshot" || command == "dump") {
      if (args.size() != 1) return fail(std::string(command) + " takes one file name");
      e.kind = command == "dump" ? ScriptEvent::Kind::Dump : ScriptEvent::Kind::Screenshot;
      e.file = std::string(args[0]);
      events.push_back(e);
    } else if (command == "close") {
      if (!args.empty()) return fail("close takes nothing");
      e.kind = ScriptEvent::Kind::Close;
      events.push_back(e);
    } else {
      return fail("unknown command '" + std::string(command) + "'");
    }
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
  return script;
}

}  // namespace nk
