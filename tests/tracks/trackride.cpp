#include "tests/tracks/trackride.h"

#include <allegro.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "game/app/app.h"
#include "game/app/gamekeys.h"
#include "game/app/mainloop.h"
#include "game/app/runninggame.h"
#include "game/bike/bike.h"
#include "game/data/datafile.h"
#include "game/level/level.h"
#include "game/level/ticksource.h"
#include "game/level/timermanager.h"
#include "game/screens/debugconsole.h"
#include "platform/platform.h"
#include "render/canvas.h"

namespace TrackTest {

namespace {

// The level time's ticks, every 10 ms of the ride's clock, on the main
// thread instead of the library's timer: the countdown, the timers and the
// time-up replay with the ride.
struct RideTicks : Kest::TickSource {
  void Start(TickFunction start) override { tick = start; }
  void Stop() override { tick = nullptr; }
  TickFunction tick = nullptr;
};

RideTicks* ticks = nullptr;

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

// The keyboard as a ride plays it: what is held and pressed follows the
// number of physics steps the game has taken so far.
class RideKeyboard : public Kest::Keyboard {
 public:
  explicit RideKeyboard(const RideKeys& keys) : keys_(keys) {}

  // The game has taken this many steps; a run that begins at it queues its
  // press once.
  void AtStep(int step) {
    if (step == step_) return;
    step_ = step;
    while (run_ < keys_.runs.size() && step_ >= runStart_ + keys_.runs[run_].steps)
      runStart_ += keys_.runs[run_++].steps;
    if (run_ < keys_.runs.size() && step_ == runStart_ && keys_.runs[run_].press) pending_ = keys_.runs[run_].press;
  }
  bool IsHeld(int scancode) override {
    const KeyRun* run = run_ < keys_.runs.size() ? &keys_.runs[run_] : nullptr;
    return run && ((scancode == KEY_UP && run->throttle) || (scancode == KEY_DOWN && run->brake));
  }
  bool KeyPressed() override { return pending_ != 0; }
  // As Allegro reports keys: the scan code in the high byte, the character
  // (none for arrows, a blank for space) in the low.
  int ReadKey() override {
    const int press = pending_;
    pending_ = 0;
    return press == KEY_SPACE ? (press << 8) | ' ' : press << 8;
  }

 private:
  const RideKeys& keys_;
  std::size_t run_ = 0;
  int runStart_ = 0;
  int step_ = -1;
  int pending_ = 0;
};

// The keys stop; a ride that is still short of the finish after this many
// more steps has fallen short.
constexpr int kStepsAfterKeys = 500;
constexpr unsigned kMsPerTick = 10;

// The running game with the keyboard of a recorded ride. Play starts at
// the first waiting pass; a finish or a restart ends the ride instead of
// leading to the next track or a reload.
struct RidingGame : Kest::RunningGame {
  RidingGame(const RideKeys& keys, const RideWatch& watch) : keyboard(keys), watch(watch) {}

  WaitingKey TakeKey() override { return WaitingKey::kPlay; }
  void RestartFrameCounter() override {}
  void RestartLevel() override { Stop(RideEnd::kRestarted); }
  void FinishLevel() override { Stop(RideEnd::kFinished); }
  bool HandleGameKeys() override {
    keyboard.AtStep(steps);
    return Kest::HandleGameKeys(keyboard, *this);
  }
  void PreStep() override {
    Span(RidePart::kStep, true);
    RunningGame::PreStep();
  }
  void StepBike(float elapsedMs) override {
    RunningGame::StepBike(elapsedMs);
    ++steps;
    Span(RidePart::kStep, false);
  }
  void UpdateAndDraw(float dt, bool simulate) override {
    BeginDrawing();
    RunningGame::UpdateAndDraw(dt, simulate);
  }
  void UpdateAndDrawPaintedOver(float dt) override {
    BeginDrawing();
    RunningGame::UpdateAndDrawPaintedOver(dt);
  }
  // Without anyone looking, a frame is drawn clipped to one pixel: the
  // picture plays no part in the ride, and filling the whole screen twice a
  // frame in software would make a ride many times slower.
  void BeginDrawing() {
    if (!drawing) {
      Span(RidePart::kFrame, true);
      shown = watch.frame && frames % std::max(1, watch.framesApart) == 0;
    }
    drawing = true;
    if (clipped || !shown) ol::Canvas::DisableClipping();
    clipped = !shown;
    if (clipped) ol::Canvas::SetClipping(0, 0, 1, 1);
  }
  void DrawObjectives() override {}
  void Refresh() override {
    if (shown) watch.frame(steps);
    RunningGame::Refresh();
    drawing = false;
    ++frames;
    Span(RidePart::kFrame, false);
  }

  void Span(RidePart part, bool begins) const {
    if (watch.span) watch.span(part, begins);
  }
  void Stop(RideEnd how) {
    if (!over) end = how;
    over = true;
  }

  RideKeyboard keyboard;
  const RideWatch& watch;
  int steps = 0;
  bool drawing = false;  // between a frame's first drawing and its flip
  bool shown = false;     // the frame being drawn is shown to the watcher
  bool clipped = false;   // the clip to one pixel is set
  int frames = 0;         // frames shown on the screen so far
  bool over = false;
  RideEnd end = RideEnd::kOutOfKeys;
};

}  // namespace

RideKeys LoadRideKeys(const std::string& path) {
  RideKeys keys;
  std::ifstream lines(path);
  if (!lines) keys.error = "cannot read " + path;
  int number = 0;
  for (std::string line; keys.error.empty() && std::getline(lines, line);) {
    ++number;
    std::istringstream words(line.substr(0, line.find('#')));
    if ((words >> std::ws).eof()) continue;
    std::string word, extra;
    if (std::istringstream(line) >> word && word == kFinishWord) {
      if (!(words >> word >> keys.finishStep >> keys.finishScore) || keys.finishStep <= 0 || (words >> extra))
        keys.error = "line " + std::to_string(number) + ": a finish is its step and its score";
      continue;
    }
    KeyRun run;
    std::string token;
    if (!(words >> run.steps >> token) || run.steps <= 0 || (words >> extra) || !ReadKeys(token, run)) {
      keys.error = "line " + std::to_string(number) + ": a run is a positive count, U or D or -, then one of < > T or none";
    } else {
      keys.runs.push_back(run);
    }
  }
  return keys;
}

std::string FinishLine(int step, unsigned score) {
  return std::string(kFinishWord) + " " + std::to_string(step) + " " + std::to_string(score);
}

RideKeys SimpleRide(int press, int beat) {
  constexpr int kThreeMinutes = 90000;
  RideKeys keys;
  keys.runs.push_back(KeyRun{1});  // the key that starts the level
  if (!press) keys.runs.push_back(KeyRun{kThreeMinutes, true});
  for (int tap = 0; press && tap < kThreeMinutes / beat; ++tap) keys.runs.push_back(KeyRun{beat, true, false, press});
  return keys;
}

RideResult RideTrack(const std::string& track, const RideKeys& keys, const RideWatch& watch) {
  std::srand(1);  // the camera shake's seed
  // What a level places by the camera as it loads (the clouds), and the
  // first frame, must not depend on where the last ride ended.
  Kest::GetApplication()->SetCamera(ol::Vec2());
  ol::Canvas::DisableClipping();  // the last ride's clip to a pixel
  Kest::GetApplication()->StartFadeFromBlack();
  Kest::Level::GetInstance()->Load(track, true);
  RideResult result;
  result.levelTimeMs = Kest::TimerManager::GetInstance()->GetLevelTime() * kMsPerTick;

  RidingGame game(keys, watch);
  std::uint32_t now = 0, playStart = 0;
  Kest::MainLoop loop(game, [&now] { return now; }, 0, ol::Vec2(0.5f * Kest::kViewWidth, 0.5f * Kest::kViewHeight));
  int lastStep = kStepsAfterKeys;
  for (const KeyRun& run : keys.runs) lastStep += run.steps;
  int watched = 0;
  while (!game.over && game.steps < lastStep) {
    if (now % kMsPerTick == 0 && ticks->tick) ticks->tick();
    ++now;
    const bool waiting = Kest::Level::GetInstance()->IsWaiting();
    loop.RunPass();
    if (waiting && !Kest::Level::GetInstance()->IsWaiting()) playStart = now;
    if (watch.step && game.steps != watched) {
      watched = game.steps;
      if (watch.step(watched, Kest::Bike::GetInstance()->GetPosition())) break;
    }
  }
  result.end = game.end;
  result.steps = game.steps;
  result.playMs = now - playStart;
  const Kest::Bike& bike = *Kest::Bike::GetInstance();
  result.bike = bike.GetPosition();
  result.score = Kest::ScoreFinishedLevel(Kest::TimerManager::GetRemainingTicks(), bike.GetFlips(),
                                          bike.GetWheelieTime());
  return result;
}

const char* RideEndName(RideEnd end) {
  return end == RideEnd::kFinished ? "finished" : end == RideEnd::kRestarted ? "restarted" : "out of keys";
}

unsigned TotalScore(const RideResult& ride) { return ride.score.time + ride.score.flips + ride.score.wheelies; }

void RideStage() {
  if (ticks || chdir(Platform::ExecutableDirectory().c_str()) != 0) return;
  new Kest::App(800, 600);
  new Kest::DebugConsole();
  new Kest::Level();
  ticks = new RideTicks();
  Kest::TimerManager::GetInstance()->SetTickSource(std::unique_ptr<Kest::TickSource>(ticks));
}

std::vector<Kest::TrackRecord> ShippedTracks() {
  Kest::SetDataFolder(VANTRAIL_STAGE_DIR);
  Kest::TrackList::Create();
  Kest::TrackList& list = *Kest::TrackList::GetInstance();
  list.Load();
  std::vector<Kest::TrackRecord> tracks(list.GetTrackCount());
  for (int i = 0; i < list.GetTrackCount(); ++i) list.GetTrack(i, tracks[i]);
  Kest::TrackList::Destroy();
  Kest::SetDataFolder("");
  return tracks;
}

std::string RideFileOf(const std::string& script) {
  const std::size_t name = script.find_last_of("\\/") + 1;
  return std::string(VANTRAIL_SOURCE_DIR) + "/tests/tracks/rides/" + script.substr(name, script.rfind('.') - name) +
         ".keys";
}

}  // namespace TrackTest
