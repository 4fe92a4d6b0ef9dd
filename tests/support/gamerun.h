// The real game under the test's X server: started in a scratch copy of the staged folder, driven with xdotool key
// presses, and read back through its trace log and screenshots. Needs DISPLAY (register the test as DISPLAY).
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/scratchfolder.h"

namespace TestSupport {

class GameRun {
 public:
  // Copies the staged folder (tests have it as VANTRAIL_STAGE_DIR) to a
  // scratch folder and starts the game there with the given arguments.
  explicit GameRun(const std::string& stageFolder, const std::vector<std::string>& arguments = {});
  // Only copies the staged folder: the test prepares it, then calls Start.
  struct NotStarted {};
  GameRun(const std::string& stageFolder, NotStarted);
  ~GameRun() { Kill(); }
  GameRun(const GameRun&) = delete;
  GameRun& operator=(const GameRun&) = delete;

  // After a copy that was not started, or again once the game has ended.
  void Start(const std::vector<std::string>& arguments = {});
  // Ends the game at once, as a crash or a power cut would (SIGKILL).
  void Kill();
  // Sends the running game a signal.
  void Signal(int signal) const;
  // Asks the window to close as its close button does, with the window manager's message WM_DELETE_WINDOW (there is
  // no window manager under the test's X server to send it).
  static void CloseWindow(const std::string& window);

  // The X id of the game's window, once it is shown; empty when none came within the time. A game that ends before
  // its window shows is started once more, its log printed.
  std::string WaitForWindow(int timeoutMs = 20000);

  // xdotool key names ("Escape", "alt+c", "Left"); the pointer rests over
  // the window, so the keys reach it without a window manager.
  void PressKey(const std::string& keys) const;
  void KeyDown(const std::string& keys) const;
  void KeyUp(const std::string& keys) const;

  // The exit code once the game has ended by itself, or -1 when it still ran after the time or died from a signal.
  int WaitForExit(int timeoutMs = 20000);
  bool IsRunning();

  std::vector<std::string> LogLines() const;
  // The whole screen as a PNG in the scratch folder; returns its path.
  std::string Screenshot(const std::string& name) const;
  const std::string& Folder() const { return folder_.Folder(); }

 private:
  ScratchFolder folder_;
  std::vector<std::string> arguments_;
  pid_t pid_ = -1;
  int exitCode_ = -1;
};

// Runs a shell command and returns what it printed, trailing line feeds cut.
std::string CommandOutput(const std::string& command);
// Asks every 20 ms until done says yes (true) or the time is over (false).
bool PollUntil(int timeoutMs, const std::function<bool()>& done);

}  // namespace TestSupport
