#include "app/paths_report.h"

#include <filesystem>

#include "app/config_file.h"
#include "platform/file_layout.h"
#include "platform/files.h"
#include "platform/game_controllers.h"

namespace nk {
namespace {

struct GameFile {
  std::string_view shown, gamePath;
};
constexpr GameFile kGameFiles[] = {
    {"Config.cfg", kConfigFile},
    {"gamecontrollerdb.txt", kPadMappingFile},
    {"Data/", "Data"},
    {"Sounds/", "Sounds"},
    {"wdata/", "wdata"},
    {"play.url", "play.url"},
    {"moregames.url", "moregames.url"},
    {"fscommand/wgame.exe", "fscommand\\wgame.exe"},
};

}  // namespace

std::string pathsReport() {
  const FileLayout& layout = fileLayout();
  std::string out = layout.kind == LayoutKind::Portable ? "portable" : "installed";
  out += " layout (" + layout.why + ")\n";
  for (const GameFile& file : kGameFiles) {
    std::error_code ec;
    const std::filesystem::path where =
        std::filesystem::absolute(nativePath(file.gamePath), ec).lexically_normal();
    std::string line = "  " + std::string(file.shown);
    line.resize(24, ' ');
    line += where.string();
    if (file.shown.back() == '/') line += '/';
    if (!std::filesystem::exists(where, ec)) line += "  (not there)";
    out += line + "\n";
  }
  return out;
}

}  // namespace nk
