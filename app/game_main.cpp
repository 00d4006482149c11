#include "app/game_main.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/command_line.h"
#include "app/config_file.h"
#include "app/form1.h"
#include "app/form_view.h"
#include "app/headless_run.h"
#include "app/input_recorder.h"
#include "app/paths_report.h"
#include "app/script_file.h"
#include "app/snapshot.h"
#include "platform/environment.h"
#include "platform/file_layout.h"
#include "platform/files.h"
#include "platform/game_controllers.h"
#include "platform/headless_host.h"
#include "platform/memory_tuning.h"
#include "platform/random.h"
#include "platform/run_signals.h"
#include "platform/window_host.h"

namespace nk {
namespace {

constexpr int kClientWidth = 800, kClientHeight = 600;

std::string absolute(const std::string& path) {
  return path.empty() ? path : std::filesystem::absolute(path).string();
}

FormOptions formOptions(const CommandLine& cl) {
  FormOptions o;
  o.seed = cl.seed;
  o.fullScreen = cl.fullScreen;
  o.startLevel = cl.level;
  o.scoreServer = cl.scoreServer.empty() ? environmentValue("NOKTURO_SCORE_SERVER") : cl.scoreServer;
  return o;
}

int run(TForm1& form, Host& host, HeadlessHost* headless, const CommandLine& cl,
        const std::vector<ScriptEvent>& script, std::ostream* record) {
  host.application().setErrorReport([&host](const std::string& text) { host.showMessage(text, "Nokturo"); });
  std::optional<InputRecorder> recorder;
  // A frame timer first fires a frame after it starts, so input before the k-th game frame
  // belongs to pass k.
  if (record != nullptr)
    recorder.emplace(
        form, *record, [&form] { return form.frameTicks() + 1; }, *cl.seed);
  WindowEvents& input = recorder ? static_cast<WindowEvents&>(*recorder) : form;
  // A snapshot asked for from outside goes where the run's last one will.
  const auto afterPass = [&form, &cl](int64_t pass) {
    if (!takeSnapshotRequest() || cl.dump.empty()) return;
    if (!writeSnapshot(form.view(), pass, cl.dump))
      std::fprintf(stderr, "nokturo: cannot write %s\n", cl.dump.c_str());
  };
  form.FormCreate();
  bool closed = false;
  int64_t lastFrame = 0;
  int status = 0;
  if (headless != nullptr) {
    form.FormShow();
    const HeadlessResult r = runHeadless(form, input, *headless, script, cl.frames, afterPass);
    closed = r.closed;
    lastFrame = r.lastFrame;
    status = r.captureFailed ? 1 : 0;
  } else {
    auto& window = static_cast<WindowHost&>(host);
    window.show();
    form.FormShow();
    const WindowHost::RunEnd end = window.run(input, cl.frames, afterPass);
    closed = end.closed;
    lastFrame = end.lastPass;
  }
  if (closed) form.FormDestroy();
  if (!cl.dump.empty() && !writeSnapshot(form.view(), lastFrame, cl.dump)) {
    std::fprintf(stderr, "nokturo: cannot write %s\n", cl.dump.c_str());
    status = 1;
  }
  return status;
}

// The game in the host the command line asks for: headless, or a real window.
int playOnHost(const CommandLine& cl, const Script& script, std::ostream* recordTo) {
  if (cl.headless) {
    HeadlessHost host(kClientWidth, kClientHeight);
    TForm1 form(host, formOptions(cl));
    return run(form, host, &host, cl, script.events, recordTo);
  }
  WindowHost::Failure failure;
  auto window = WindowHost::create("Nokturo", kClientWidth, kClientHeight, failure);
  if (!window && failure.noDevice) {
    std::fprintf(stderr, "nokturo: %s\n", failure.reason.c_str());
    showMessageWithoutWindow(failure.reason, "Error");
    showMessageWithoutWindow("This application will now exit.", "Error");
    return 1;
  }
  if (!window) {
    std::fprintf(
        stderr, "nokturo: %s.\nNo display to open the game's window on? Use --headless to run without one.\n",
        failure.reason.c_str());
    return 1;
  }
  TForm1 form(*window, formOptions(cl));
  return run(form, *window, nullptr, cl, script.events, recordTo);
}

}  // namespace

int gameMain(const std::vector<std::string>& args) {
  installRunSignals();
  returnLargeBlocksToTheSystem();
  auto parsed = parseCommandLine(args);
  if (auto* error = std::get_if<CommandLineError>(&parsed)) {
    std::fprintf(stderr, "nokturo: %s\n%s", error->message.c_str(), kUsage);
    return 2;
  }
  CommandLine cl = std::get<CommandLine>(parsed);
  if (cl.help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (cl.version) {
    std::printf("nokturo %s\n", NK_VERSION);
    return 0;
  }
  Script script;
  if (!cl.script.empty()) {
    auto loaded = loadScript(cl.script);
    if (auto* error = std::get_if<std::string>(&loaded)) {
      std::fprintf(stderr, "nokturo: %s\n%s", error->c_str(), kUsage);
      return 2;
    }
    script = std::get<Script>(std::move(loaded));
  }
  if (!cl.seed) cl.seed = script.seed;
  cl.dump = absolute(cl.dump);
  std::ofstream record;
  if (!cl.record.empty()) {
    // A recording replays into the same game only with the same seed.
    if (!cl.seed) cl.seed = seedFromClock();
    record.open(cl.record, std::ios::binary | std::ios::trunc);
    if (!record) {
      std::fprintf(stderr, "nokturo: cannot write the recording %s\n", cl.record.c_str());
      return 1;
    }
  }
  if (!cl.workdir.empty() && !changeWorkingDirectory(cl.workdir)) {
    std::fprintf(stderr, "nokturo: cannot enter the folder %s\n", cl.workdir.c_str());
    return 1;
  }
  useFileLayout(chooseFileLayout(systemLayoutFacts(!cl.workdir.empty()),
                                 {std::string(kConfigFile), std::string(kPadMappingFile)}));
  if (cl.printPaths) {
    std::fputs(pathsReport().c_str(), stdout);
    return 0;
  }
  if (!fileExists("Data\\data.oil"))
    std::fprintf(stderr, "nokturo: no %s; --print-paths shows where the game looks for its files\n",
                 nativePath("Data\\data.oil").c_str());
  return playOnHost(cl, script, record.is_open() ? &record : nullptr);
}

}  // namespace nk
