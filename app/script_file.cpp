#include "app/script_file.h"

#include <filesystem>

#include "platform/text_file.h"

namespace nk {

std::variant<Script, std::string> loadScript(const std::string& path) {
  // A recording of hours of play stays well inside these; a script past them is damaged, and a
  // damaged script is not played at all rather than played in part.
  constexpr TextLimits kScriptLimits{64 << 20, 64 * 1024};
  const std::optional<BoundedText> file = readTextFile(path, kScriptLimits);
  if (!file) return "cannot read the script " + path;
  if (file->cut) return "the script " + path + " is damaged: a line over 64 KiB, or over 64 MiB in all";
  auto parsed = parseScript(file->text);
  if (auto* error = std::get_if<ScriptError>(&parsed)) {
    return "script " + path + ", line " + std::to_string(error->line) + ": " + error->message;
  }
  Script script = std::get<Script>(std::move(parsed));
  for (auto& e : script.events) {
    if (!e.file.empty()) e.file = std::filesystem::absolute(e.file).string();
  }
  return script;
}

}  // namespace nk
