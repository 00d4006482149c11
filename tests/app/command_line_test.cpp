#include "app/command_line.h"

#include <gtest/gtest.h>

namespace nk {
namespace {

TEST(CommandLine, ReadsEveryOption) {
  auto parsed = parseCommandLine({"--workdir", "w", "--headless", "--seed", "42", "--script", "s.txt",
                                  "--record", "r.txt", "--frames", "240", "--dump", "d.json", "--level", "3",
                                  "--score-server", "http://127.0.0.1:1/", "--fullscreen", "--print-paths"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
  const auto& cl = std::get<CommandLine>(parsed);
  EXPECT_EQ(cl.workdir, "w");
  EXPECT_TRUE(cl.headless);
  EXPECT_EQ(cl.seed, 42u);
  EXPECT_EQ(cl.script, "s.txt");
  EXPECT_EQ(cl.record, "r.txt");
  EXPECT_EQ(cl.frames, 240);
  EXPECT_EQ(cl.dump, "d.json");
  EXPECT_EQ(cl.level, 3);
  EXPECT_EQ(cl.scoreServer, "http://127.0.0.1:1/");
  EXPECT_EQ(cl.fullScreen, true);
  EXPECT_TRUE(cl.printPaths);
}

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
  const std::vector<std::vector<std::string>> cases = {
      {"--bogus"},      {"--seed"},       {"--seed", "x"},       {"--frames", "-1"},
      {"--level", "7"}, {"--level", "0"}, {"--workdir"},         {"--dump", ""},
      {"--record"},     {"headless"},     {"--frames", "12abc"},
  };
  for (const auto& args : cases) {
    EXPECT_TRUE(std::holds_alternative<CommandLineError>(parseCommandLine(args))) << args[0];
  }
}

TEST(CommandLine, LastDisplayModeWins) {
  auto parsed = parseCommandLine({"--fullscreen", "--windowed"});
  EXPECT_EQ(std::get<CommandLine>(parsed).fullScreen, false);
}

}  // namespace
}  // namespace nk
