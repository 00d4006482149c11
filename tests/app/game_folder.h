#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "app/host_messages.h"
#include "engine/oil_writer.h"
#include "engine/png_writer.h"
#include "support/test_host.h"
#include "temp_dir.h"

namespace nk::test {

// A fresh game folder made the working directory for the test's life, as the game runs in its
// own. Its picture library holds the named pictures (each two 6 x 4 tiles) and nothing else;
// an empty one keeps start-up quiet.
class GameFolder {
 public:
  explicit GameFolder(const std::vector<std::string>& pictures = {})
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir.path());
    TestHost quiet;
    HostMessages messages(quiet);
    TImageListCollection library(messages);
    for (const std::string& name : pictures) {
      TImageListItem& item = library.Add();
      item.Name = name;
      item.AssignPicture(
          *decodeGraphic(GraphicKind::Png, *encodePng(12, 4, std::vector<uint32_t>(48, 0xFF808080u))));
      item.SetTileWidth(6);
    }
    dir.write("Data/data.oil", writeImageLibrary(library));
  }
  ~GameFolder() { std::filesystem::current_path(previous_); }
  GameFolder(const GameFolder&) = delete;
  GameFolder& operator=(const GameFolder&) = delete;

  TempDir dir;

 private:
  std::filesystem::path previous_;
};

}  // namespace nk::test
