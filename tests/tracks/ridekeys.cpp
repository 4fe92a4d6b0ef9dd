#include "tests/tracks/ridekeys.h"

#include <allegro.h>

#include <fstream>
#include <sstream>

namespace TrackTest {

namespace {

// Fills the run's keys from a token such as "U", "D>", "-T"; false when a
// character is not a key or a second press is given.
bool ReadKeys(const std::string& token, KeyRun& run) {
  for (char c : token) {
    int press = 0;
    switch (c) {
      case 'U': run.throttle = true; continue;
      case 'D': run.brake = true; continue;
      case '-': continue;
      case '<': press = KEY_LEFT; break;
      case '>': press = KEY_RIGHT; break;
      case 'T': press = KEY_SPACE; break;
      default: return false;
    }
    if (run.press) return false;
    run.press = press;
  }
  return true;
}

}  // namespace

RideKeys LoadRideKeys(const std::string& path) {
  RideKeys keys;
  std::ifstream lines(path);
  if (!lines) keys.error = "cannot read " + path;
  int number = 0;
  for (std::string line; keys.error.empty() && std::getline(lines, line);) {
    ++number;
    std::istringstream words(line.substr(0, line.find('#')));
    std::string count, token, extra;
    if (!(words >> count)) continue;
    words >> token >> extra;
    KeyRun run;
    std::size_t used = 0;
    try {
      run.steps = std::stoi(count, &used);
    } catch (const std::exception&) {
    }
    if (used != count.size() || run.steps <= 0) {
      keys.error = "line " + std::to_string(number) + ": a run needs a positive step count";
    } else if (token.empty() || !extra.empty() || !ReadKeys(token, run)) {
      keys.error = "line " + std::to_string(number) + ": keys are U or D or -, then at most one of < > T";
    } else {
      keys.runs.push_back(run);
    }
  }
  return keys;
}

void RideKeyboard::AtStep(int step) {
  if (step == step_) return;
  step_ = step;
  while (run_ < keys_.runs.size() && step_ >= runStart_ + keys_.runs[run_].steps) {
    runStart_ += keys_.runs[run_].steps;
    ++run_;
  }
  const KeyRun* run = Current();
  if (run && step_ == runStart_ && run->press) pending_ = run->press;
}

bool RideKeyboard::IsHeld(int scancode) {
  const KeyRun* run = Current();
  return run && ((scancode == KEY_UP && run->throttle) || (scancode == KEY_DOWN && run->brake));
}

// Arrows and space arrive as Allegro reports them: the scan code in the
// high byte, the character (none for arrows, a blank for space) in the low.
int RideKeyboard::ReadKey() {
  const int press = pending_;
  pending_ = 0;
  return press == KEY_SPACE ? (press << 8) | ' ' : press << 8;
}

}  // namespace TrackTest
