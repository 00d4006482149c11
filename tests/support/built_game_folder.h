#pragma once
#include <filesystem>

#include "app/temp_dir.h"

namespace nk::test {

// A fresh folder holding the built game's Data and Sounds (linked, not copied), made the working
// directory for the object's life: the game runs on its real content and writes its Config.cfg
// where it does no harm.
class BuiltGameFolder {
 public:
  explicit BuiltGameFolder(const std::filesystem::path& gameDir)
      : previous_(std::filesystem::current_path()) {
    for (const char* sub : {"Data", "Sounds"}) {
      std::filesystem::create_directory_symlink(std::filesystem::absolute(gameDir) / sub, dir.path() / sub);
    }
    std::filesystem::current_path(dir.path());
  }
  ~BuiltGameFolder() { std::filesystem::current_path(previous_); }
  BuiltGameFolder(const BuiltGameFolder&) = delete;
  BuiltGameFolder& operator=(const BuiltGameFolder&) = delete;

  TempDir dir;

 private:
  std::filesystem::path previous_;
};

}  // namespace nk::test
