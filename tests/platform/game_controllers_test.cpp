#include "platform/game_controllers.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace nk {
namespace {

constexpr const char* kGuid = "05000000d0d0000001000000ffff0000";

std::string mappingLine(const std::string& name) {
  std::string line = kGuid;
  line += ',';
  line += name;
  line +=
      ",a:b0,b:b1,x:b2,y:b3,back:b4,start:b6,dpup:h0.1,dpdown:h0.4,dpleft:h0.8,dpright:h0.2,"
      "leftx:a0,lefty:a1,platform:Linux,\n";
  return line;
}

// SDL's controller subsystem, up for one case with SDL_GAMECONTROLLERCONFIG as given.
class Controllers {
 public:
  explicit Controllers(const char* environment) {
    if (environment != nullptr) setenv("SDL_GAMECONTROLLERCONFIG", environment, 1);
    up_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  }
  ~Controllers() {
    if (up_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    unsetenv("SDL_GAMECONTROLLERCONFIG");
  }
  bool up() const { return up_; }
  // The name SDL maps the test pad under, or nothing.
  static std::optional<std::string> mappedName() {
    char* mapping = SDL_GameControllerMappingForGUID(SDL_JoystickGetGUIDFromString(kGuid));
    if (mapping == nullptr) return std::nullopt;
    const std::string text = mapping;
    SDL_free(mapping);
    const size_t from = text.find(',') + 1;
    return text.substr(from, text.find(',', from) - from);
  }

 private:
  bool up_ = false;
};

TEST(PadMappingFile, ThePlayersMappingsAreAddedAndABadFileIsNamed) {
  const struct {
    const char* what;
    std::optional<std::string> contents;  // nothing: no file; "/": a folder in its place
    const char* environment;
    const char* problem;  // a part of the problem reported, or nullptr
    std::optional<std::string> mapped;
  } cases[] = {
      {"no file", std::nullopt, nullptr, nullptr, std::nullopt},
      {"an empty file", "", nullptr, nullptr, std::nullopt},
      {"a mapping", "# mine\n" + mappingLine("Sofa pad"), nullptr, nullptr, "Sofa pad"},
      {"a line of nonsense among them", "nonsense\n" + mappingLine("Sofa pad"), nullptr, nullptr, "Sofa pad"},
      {"a line far too long", mappingLine(std::string(5000, 'x')), nullptr, "too large", std::nullopt},
      {"a folder", "/", nullptr, "cannot be read", std::nullopt},
      {"the environment over the file", mappingLine("Sofa pad"), "", nullptr, "Couch pad"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto dir =
        std::filesystem::temp_directory_path() / ("nk-pad-mappings-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const auto file = dir / "gamecontrollerdb.txt";
    if (c.contents == "/") {
      std::filesystem::create_directory(file);
    } else if (c.contents) {
      std::ofstream(file, std::ios::binary) << *c.contents;
    }
    const std::string environment = c.environment != nullptr ? mappingLine("Couch pad") : "";
    Controllers sdl(c.environment != nullptr ? environment.c_str() : nullptr);
    ASSERT_TRUE(sdl.up()) << SDL_GetError();
    const auto problem = addPadMappingFile(file.string());
    if (c.problem == nullptr) {
      EXPECT_FALSE(problem) << *problem;
    } else {
      ASSERT_TRUE(problem);
      EXPECT_NE(problem->find(c.problem), std::string::npos) << *problem;
      EXPECT_NE(problem->find(file.string()), std::string::npos) << *problem;
    }
    EXPECT_EQ(Controllers::mappedName(), c.mapped);
    std::filesystem::remove_all(dir);
  }
}

}  // namespace
}  // namespace nk
