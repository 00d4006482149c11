#pragma once
#include <filesystem>

#include "app/host_messages.h"
#include "engine/oil_writer.h"
#include "support/test_host.h"
#include "temp_dir.h"

namespace nk::test {

// A fresh game folder made the working directory for the test's life, as the game runs in its
// own. It holds an empty picture library, which keeps start-up quiet.
class GameFolder {
 public:
  GameFolder() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir.path());
    TestHost quiet;
    HostMessages messages(quiet);
    dir.write("Data/data.oil", writeImageLibrary(TImageListCollection(messages)));
  }
  ~GameFolder() { std::filesystem::current_path(previous_); }
  GameFolder(const GameFolder&) = delete;
  GameFolder& operator=(const GameFolder&) = delete;

  TempDir dir;

 private:
  std::filesystem::path previous_;
};

}  // namespace nk::test
