#include "app/headless_run.h"

#include <algorithm>
#include <cstdio>

#include "app/form1.h"
#include "app/form_view.h"
#include "app/snapshot.h"
#include "engine/png_writer.h"
#include "platform/headless_host.h"
#include "platform/keys.h"
#include "platform/run_signals.h"

namespace nk {
namespace {

constexpr int64_t kPassesPerSecond = 120;
// A script's pad commands all work one pad, plugged in from the start.
constexpr int kScriptPad = 0;

void deliver(WindowEvents& form, HeadlessHost& host, const ScriptEvent& e) {
  using Kind = ScriptEvent::Kind;
  switch (e.kind) {
    case Kind::KeyDown:
      form.keyDown(e.key);
      // As in the window: these keys also arrive as characters.
      if (e.key == vk::Back || e.key == vk::Return) form.character(static_cast<unsigned char>(e.key));
      break;
    case Kind::KeyUp: form.keyUp(e.key); break;
    case Kind::Char: form.character(static_cast<unsigned char>(e.key)); break;
    case Kind::Mouse: form.mouseMove(e.x, e.y); break;
    case Kind::Click:
      form.mouseMove(e.x, e.y);
      form.mouseDown(MouseButton::Left, e.x, e.y);
      form.mouseUp(MouseButton::Left, e.x, e.y);
      break;
    case Kind::DoubleClick:
      form.mouseMove(e.x, e.y);
      form.mouseDoubleClick(e.x, e.y);
      form.mouseUp(MouseButton::Left, e.x, e.y);
      break;
    case Kind::PadDown:
    case Kind::PadUp:
      form.padButton(kScriptPad, static_cast<PadButton>(e.key), e.kind == Kind::PadDown);
      break;
    case Kind::PadAxis: form.padAxis(kScriptPad, static_cast<PadAxis>(e.key), e.x); break;
    case Kind::Close: host.requestClose(); break;
    case Kind::Screenshot:
    case Kind::Dump: break;
  }
}

bool capture(TForm1& form, HeadlessHost& host, const ScriptEvent& e) {
  bool ok = true;
  if (e.kind == ScriptEvent::Kind::Screenshot) {
    RenderDevice& d = host.device();
    ok = writePng(e.file, d.width(), d.height(), d.readFrame());
  } else if (e.kind == ScriptEvent::Kind::Dump) {
    ok = writeSnapshot(form.view(), e.frame, e.file);
  }
  if (!ok) std::fprintf(stderr, "nokturo: cannot write %s\n", e.file.c_str());
  return ok;
}

bool closeIfAsked(WindowEvents& form, HeadlessHost& host) {
  if (!host.takeCloseRequest() || !form.closeQuery()) return false;
  form.closing();
  return true;
}

}  // namespace

HeadlessResult runHeadless(TForm1& form, WindowEvents& input, HeadlessHost& host,
                           const std::vector<ScriptEvent>& script, std::optional<int64_t> frames,
                           const std::function<void(int64_t pass)>& afterPass) {
  HeadlessResult result;
  using Kind = ScriptEvent::Kind;
  if (std::any_of(script.begin(), script.end(), [](const ScriptEvent& e) {
        return e.kind == Kind::PadDown || e.kind == Kind::PadUp || e.kind == Kind::PadAxis;
      }))
    input.padAdded(kScriptPad, "Script pad");
  size_t next = 0;
  for (int64_t frame = 0; (!frames || frame < *frames) && !quitSignalled(); ++frame) {
    host.clock().set(frame * (VirtualClock::kFrequency / kPassesPerSecond));
    const size_t first = next;
    while (next < script.size() && script[next].frame == frame) deliver(input, host, script[next++]);
    result.lastFrame = frame;
    if (closeIfAsked(input, host)) {
      result.closed = true;
      break;
    }
    host.application().idle();
    for (size_t i = first; i < next; ++i) {
      if (!capture(form, host, script[i])) result.captureFailed = true;
    }
    if (afterPass) afterPass(frame);
    if (host.quitRequested()) break;
    if (closeIfAsked(input, host)) {
      result.closed = true;
      break;
    }
  }
  return result;
}

}  // namespace nk
