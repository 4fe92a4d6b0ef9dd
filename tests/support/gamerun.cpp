#include "tests/support/gamerun.h"

#include <X11/Xlib.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

namespace TestSupport {

namespace {

int RunQuietly(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

}  // namespace

bool PollUntil(int timeoutMs, const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (; !done(); std::this_thread::sleep_for(std::chrono::milliseconds(20)))
    if (std::chrono::steady_clock::now() >= deadline) return false;
  return true;
}

std::string CommandOutput(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[512];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    pclose(pipe);
  }
  while (!output.empty() && output.back() == '\n') output.pop_back();
  return output;
}

GameRun::GameRun(const std::string& stageFolder, const std::vector<std::string>& arguments)
    : GameRun(stageFolder, NotStarted()) {
  Start(arguments);
}

GameRun::GameRun(const std::string& stageFolder, NotStarted) {
  std::filesystem::copy(stageFolder, Folder(), std::filesystem::copy_options::recursive);
}

void GameRun::Start(const std::vector<std::string>& arguments) {
  arguments_ = arguments;
  const std::string program = Folder() + "/vantrail";
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments_) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_ = fork();
  if (pid_ == 0) {
    if (chdir(Folder().c_str()) == 0) execv(program.c_str(), argv.data());
    _exit(127);
  }
}

void GameRun::Kill() {
  if (!IsRunning()) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
  exitCode_ = -1;
}

void GameRun::Signal(int signal) const {
  if (pid_ > 0) kill(pid_, signal);
}

void GameRun::CloseWindow(const std::string& window) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = std::stoul(window);
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
  XCloseDisplay(display);
}

bool GameRun::IsRunning() {
  int status = 0;
  if (pid_ <= 0 || waitpid(pid_, &status, WNOHANG) == 0) return pid_ > 0;
  exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  pid_ = -1;
  return false;
}

int GameRun::WaitForExit(int timeoutMs) {
  return PollUntil(timeoutMs, [this] { return !IsRunning(); }) ? exitCode_ : -1;
}

// The game's window is the only one shown on the test's own X server.
std::string GameRun::WaitForWindow(int timeoutMs) {
  std::string window;
  constexpr int kAttempts = 4;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    PollUntil(timeoutMs, [&] {
      window = CommandOutput("xdotool search --onlyvisible --name . 2>/dev/null | head -n 1");
      return !window.empty() || !IsRunning();
    });
    if (!window.empty() || IsRunning()) break;
    // The game ended before it showed a window: say why in the test's output, then start it again after a pause,
    // since a busy X server now and then refuses the graphics library for a few seconds (seen under the thread
    // sanitizer, right after a killed game).
    std::fprintf(stderr, "The game ended with code %d before its window showed; its log:\n", exitCode_);
    for (const std::string& line : LogLines()) std::fprintf(stderr, "  %s\n", line.c_str());
    if (attempt + 1 < kAttempts) {
      std::this_thread::sleep_for(std::chrono::seconds(1 + attempt));
      Start(arguments_);
    }
  }
  return window;
}

void GameRun::PressKey(const std::string& keys) const { RunQuietly("xdotool key " + keys); }
void GameRun::KeyDown(const std::string& keys) const { RunQuietly("xdotool keydown " + keys); }
void GameRun::KeyUp(const std::string& keys) const { RunQuietly("xdotool keyup " + keys); }

std::vector<std::string> GameRun::LogLines() const {
  std::vector<std::string> lines;
  std::ifstream log(Folder() + "/vantrail.log");
  for (std::string line; std::getline(log, line);) lines.push_back(line);
  return lines;
}

std::string GameRun::Screenshot(const std::string& name) const {
  const std::string path = Folder() + "/" + name + ".png";
  RunQuietly("import -window root " + path);
  return path;
}

}  // namespace TestSupport
