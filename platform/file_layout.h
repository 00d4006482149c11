#pragma once
#include <string>
#include <vector>

namespace nk {

// Where the game's files live. Portable: every file relative to the working folder, the way a
// game folder is played. Installed: the read-only data in the installed data folder, the
// player's own files (settings, scores) in the per-user data folder.
enum class LayoutKind { Portable, Installed };

struct FileLayout {
  LayoutKind kind = LayoutKind::Portable;
  std::string why;                     // in words, for --print-paths
  std::string dataFolder;              // installed: <prefix>/share/nokturo
  std::string userFolder;              // installed: $XDG_DATA_HOME/nokturo
  std::vector<std::string> userFiles;  // names kept in userFolder, such as "Config.cfg"
};

// What the choice depends on, as the system tells it.
struct LayoutFacts {
  bool workdirGiven = false;  // --workdir names a game folder: portable
  bool workingFolderHoldsData = false;
  std::string installedDataFolder;  // the data folder beside the running program's own folder
  std::string xdgDataHome, home;
};

LayoutFacts systemLayoutFacts(bool workdirGiven);

// Portable when the working folder is a game folder, else installed. The per-user folder follows
// the XDG base directories: $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
FileLayout chooseFileLayout(const LayoutFacts& facts, std::vector<std::string> userFiles);

// Where a file of the game (a system name, "Data/data.oil") is found under the layout. Absolute
// names stay as they are.
std::string locate(const FileLayout& layout, const std::string& name);

// The layout every file lookup uses (nativePath); portable until the program chooses.
void useFileLayout(FileLayout layout);
const FileLayout& fileLayout();

}  // namespace nk
