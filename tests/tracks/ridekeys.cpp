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

std::string LineFault(int line, const std::string& what) {
  return "line " + std::to_string(line) + ": " + what;
}

}  // namespace

int RideKeys::TotalSteps() const {
  int total = 0;
  for (const KeyRun& run : runs) total += run.steps;
  return total;
}

RideKeys ParseRideKeys(const std::string& text) {
  RideKeys keys;
  std::istringstream lines(text);
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    line = line.substr(0, line.find('#'));
    std::istringstream words(line);
    std::string count, token, extra;
    if (!(words >> count)) continue;
    KeyRun run;
    words >> token >> extra;
    std::size_t used = 0;
    try {
      run.steps = std::stoi(count, &used);
    } catch (const std::exception&) {
      used = 0;
    }
    if (used != count.size() || run.steps <= 0) {
      keys.error = LineFault(number, "a run needs a positive step count");
      return keys;
    }
    if (token.empty() || !extra.empty() || !ReadKeys(token, run)) {
      keys.error = LineFault(number, "keys are U or D or -, then at most one of < > T");
      return keys;
    }
    keys.runs.push_back(run);
  }
  return keys;
}

RideKeys LoadRideKeys(const std::string& path) {
  std::ifstream in(path);
  if (!in) {
    RideKeys keys;
    keys.error = "cannot read " + path;
    return keys;
  }
  std::ostringstream text;
  text << in.rdbuf();
  return ParseRideKeys(text.str());
}

std::string RideKeysText(const RideKeys& keys) {
  std::ostringstream text;
  for (const KeyRun& run : keys.runs) {
    text << run.steps << ' ' << (run.throttle ? "U" : "") << (run.brake ? "D" : "")
         << (run.throttle || run.brake ? "" : "-");
    if (run.press == KEY_LEFT) text << '<';
    if (run.press == KEY_RIGHT) text << '>';
    if (run.press == KEY_SPACE) text << 'T';
    text << '\n';
  }
  return text.str();
}

bool SaveRideKeys(const RideKeys& keys, const std::string& path) {
  std::ofstream out(path);
  out << RideKeysText(keys);
  return bool(out);
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

const KeyRun* RideKeyboard::Current() const {
  return run_ < keys_.runs.size() ? &keys_.runs[run_] : nullptr;
}

bool RideKeyboard::IsHeld(int scancode) {
  const KeyRun* run = Current();
  if (!run) return false;
  return (scancode == KEY_UP && run->throttle) || (scancode == KEY_DOWN && run->brake);
}

// Arrows and space arrive as Allegro reports them: the scan code in the
// high byte, the character (none for arrows, a blank for space) in the low.
int RideKeyboard::ReadKey() {
  const int press = pending_;
  pending_ = 0;
  return press == KEY_SPACE ? (press << 8) | ' ' : press << 8;
}

}  // namespace TrackTest
