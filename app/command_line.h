#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace nk {

struct CommandLine {
  std::string workdir;
  bool headless = false;
  std::optional<uint64_t> seed;
  std::string script;
  std::string record;  // where this session's input is written as a script
  std::optional<int64_t> frames;
  std::string dump;
  std::optional<int32_t> level;
  std::string scoreServer;
  std::optional<bool> fullScreen;  // --fullscreen / --windowed
  bool printPaths = false;         // where each file is looked up
  bool version = false;
  bool help = false;
};

struct CommandLineError {
  std::string message;
};

std::variant<CommandLine, CommandLineError> parseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace nk
