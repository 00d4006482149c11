#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/audio_output.h"
#include "platform/http_client.h"
#include "platform/pad_controls.h"
#include "platform/render_device.h"

namespace nk {

// What the game asked of the outside world, in order; the headless snapshot shows it.
struct Journal {
  std::vector<std::string> messages;  // message box texts (Windows-1251)
  std::vector<std::string> opened;    // shell open requests (Windows-1251 file names)
  std::vector<std::string> requests;  // HTTP URLs requested
};

// Mouse buttons as the window reports them.
enum class MouseButton { Left, Right, Middle };

// The window's events, delivered to the game on the loop's thread.
class WindowEvents {
 public:
  virtual void keyDown(int virtualKey) = 0;
  virtual void keyUp(int virtualKey) = 0;
  virtual void character(unsigned char cp1251) = 0;
  virtual void mouseMove(int x, int y) = 0;
  virtual void mouseDown(MouseButton button, int x, int y) = 0;
  virtual void mouseUp(MouseButton button, int x, int y) = 0;
  // The second press of a quick left double click, which arrives instead of its mouseDown.
  virtual void mouseDoubleClick(int x, int y) = 0;
  // A game controller came (those plugged in at start come as the run begins) or went; pad is
  // its number for the run, name in Windows-1251.
  virtual void padAdded(int pad, const std::string& name) = 0;
  virtual void padRemoved(int pad) = 0;
  virtual void padButton(int pad, PadButton button, bool down) = 0;
  virtual void padAxis(int pad, PadAxis axis, int value) = 0;
  virtual void activated() = 0;
  // The close box or a close request: true lets the window close.
  virtual bool closeQuery() = 0;
  // The window is closing (after closeQuery agreed).
  virtual void closing() = 0;

 protected:
  ~WindowEvents() = default;
};

// The machine the game runs on: the window, its loop and device, dialogs and the shell.
class Host {
 public:
  virtual ~Host() = default;

  virtual Application& application() = 0;
  virtual RenderDevice& device() = 0;
  // The sound card; by default none (headless runs and tests): waves are measured, never heard.
  virtual AudioOutput& audio();
  virtual void setCursorVisible(bool visible) = 0;
  // Desktop full screen with the picture scaled to fit, or the normal window.
  virtual void setFullScreen(bool on) = 0;
  // Asks the window to close, as its close box does: the game's closeQuery decides.
  virtual void requestClose() = 0;
  // Ends the run once control is back in the loop, without the close path.
  virtual void requestQuit() = 0;

  // A message box (caption and text in Windows-1251); never blocks a headless run.
  void showMessage(const std::string& text, const std::string& caption);
  // The shell's "open" of a file, link or program; the result is not waited for.
  void shellOpen(const std::string& file, const std::string& parameters);
  // An HTTP GET through the host's client (libcurl unless another was set).
  HttpReply httpGet(const std::string& url);
  void setHttpClient(std::unique_ptr<HttpClient> client) { http_ = std::move(client); }
  const Journal& journal() const { return journal_; }

 protected:
  virtual void presentMessage(const std::string& text, const std::string& caption) = 0;
  virtual void launch(const std::string& file, const std::string& parameters) = 0;

 private:
  Journal journal_;
  std::unique_ptr<AudioOutput> silentAudio_;
  std::unique_ptr<HttpClient> http_;
};

}  // namespace nk
