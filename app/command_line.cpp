#include "app/command_line.h"

#include <charconv>

namespace nk {

const char* const kUsage =
    "usage: nokturo [--workdir DIR] [--headless] [--seed N] [--script FILE] [--record FILE] [--frames N]\n"
    "               [--dump FILE] [--level N] [--score-server URL] [--windowed | --fullscreen]\n"
    "               [--print-paths] [--version] [--help]\n"
    "\n"
    "  --workdir DIR        play the game folder DIR (it holds Config.cfg, Data/, Sounds/ ...)\n"
    "  --headless           no window and no sound; a virtual clock of 120 passes a second\n"
    "  --seed N             seed the random generator with N instead of the clock\n"
    "  --script FILE        timed input, one command a line (see docs/harness.md)\n"
    "  --record FILE        write this session's input as a script that --script replays\n"
    "  --frames N           end the run after N passes (Config.cfg is not written)\n"
    "  --dump FILE          write the state snapshot (JSON) when the run ends\n"
    "  --level N            start straight into a new game on level N (1..6)\n"
    "  --score-server URL   use URL as the online score server\n"
    "  --windowed, --fullscreen   override the display mode of Config.cfg\n"
    "  --print-paths        say where the game finds its files and keeps Config.cfg, and exit\n"
    "  --version            print the version and exit\n"
    "  --help               print this text and exit\n";

namespace {

template <typename T>
bool parseNumber(const std::string& text, T& out) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end && !text.empty();
}

}  // namespace

std::variant<CommandLine, CommandLineError> parseCommandLine(const std::vector<std::string>& args) {
  CommandLine cl;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    std::string v;
    if (a == "--headless") {
      cl.headless = true;
    } else if (a == "--windowed" || a == "--fullscreen") {
      cl.fullScreen = a == "--fullscreen";
    } else if (a == "--version") {
      cl.version = true;
    } else if (a == "--print-paths") {
      cl.printPaths = true;
    } else if (a == "--help" || a == "-h") {
      cl.help = true;
    } else if (std::string* text = a == "--workdir"        ? &cl.workdir
                                   : a == "--script"       ? &cl.script
                                   : a == "--record"       ? &cl.record
                                   : a == "--dump"         ? &cl.dump
                                   : a == "--score-server" ? &cl.scoreServer
                                                           : nullptr) {
      if (!value(v) || v.empty()) return CommandLineError{a + " needs a value"};
      *text = v;
    } else if (a == "--seed") {
      uint64_t n = 0;
      if (!value(v) || !parseNumber(v, n)) return CommandLineError{"--seed needs a whole number"};
      cl.seed = n;
    } else if (a == "--frames") {
      int64_t n = 0;
      if (!value(v) || !parseNumber(v, n) || n < 0)
        return CommandLineError{"--frames needs a number of passes"};
      cl.frames = n;
    } else if (a == "--level") {
      int32_t n = 0;
      if (!value(v) || !parseNumber(v, n) || n < 1 || n > 6)
        return CommandLineError{"--level needs a level from 1 to 6"};
      cl.level = n;
    } else {
      return CommandLineError{"unknown option: " + a};
    }
  }
  return cl;
}

}  // namespace nk
