// The cost of each shipped track as it is played: every track of the track
// list ridden to its finish with its recorded keys, through the game's own
// main loop on the rides' injected clock, every frame drawn whole. On the
// way it times each physics step (the bike's pre-step, the collision pass,
// the world step, the events, the bike's step) and each frame (two
// update-and-draw passes and the flip), and reports their medians; a table
// of all tracks ends the run, with the busiest track named.
//
// Needs an X server: run it under xvfb-run. The loop's pace is a step every
// 2 ms and a frame every 17 ms of play, so "load" is the share of real time
// a track's steps and frames take at that pace: above 100 % the game falls
// behind its designed speed. A software renderer draws on threads of its
// own, so a frame's time swings with whatever else the machine runs; the
// processor time the whole program spent on it (all threads) swings far
// less, and the busiest track is named by the load reckoned with that.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "game/app/app.h"
#include "tests/tracks/trackride.h"

namespace {

using TrackTest::RidePart;
using Clock = std::chrono::steady_clock;

constexpr double kPlayMsPerStep = 2.0;

// Microseconds each step and frame of one ride took, and the processor
// time of each frame.
struct RideCosts {
  std::vector<double> steps;
  std::vector<double> frames;
  std::vector<double> frameCpu;
  TrackTest::RideEnd end = TrackTest::RideEnd::kOutOfKeys;
};

double ProcessCpuUs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

RideCosts TimedRide(const std::string& track, const TrackTest::RideKeys& keys) {
  RideCosts costs;
  Clock::time_point began[2];
  double frameCpuBegan = 0.0;
  TrackTest::RideWatch watch;
  watch.frame = [](int) {};  // with a watcher, frames are drawn whole
  watch.span = [&](RidePart part, bool begins) {
    const Clock::time_point now = Clock::now();
    const bool frame = part == RidePart::kFrame;
    Clock::time_point& start = began[frame ? 1 : 0];
    if (begins) {
      start = now;
      if (frame) frameCpuBegan = ProcessCpuUs();
      return;
    }
    std::vector<double>& list = frame ? costs.frames : costs.steps;
    list.push_back(std::chrono::duration<double, std::micro>(now - start).count());
    if (frame) costs.frameCpu.push_back(ProcessCpuUs() - frameCpuBegan);
  };
  costs.end = TrackTest::RideTrack(track, keys, watch).end;
  return costs;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  const auto middle = values.begin() + values.size() / 2;
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

// One row of the closing table: a track's medians over every repetition.
struct TrackRow {
  std::string name;
  std::vector<double> stepMedians;
  std::vector<double> frameMedians;
  std::vector<double> frameCpuMedians;
  std::size_t steps = 0;
  std::size_t frames = 0;

  double Step() const { return Median(stepMedians); }
  double Frame() const { return Median(frameMedians); }
  double FrameCpu() const { return Median(frameCpuMedians); }
  // The time steps and frames of this cost take per second of play, as a
  // percentage.
  double Load(double frameUs) const {
    if (steps == 0) return 0.0;
    const double workUs = Step() * double(steps) + frameUs * double(frames);
    return 100.0 * workUs / (double(steps) * kPlayMsPerStep * 1000.0);
  }
};

void RideAndTime(benchmark::State& state, const Kest::TrackRecord& track, TrackRow& row) {
  const TrackTest::RideKeys keys = TrackTest::LoadRideKeys(TrackTest::RideFileOf(track.fileName));
  if (!keys.error.empty()) {
    state.SkipWithError(("the recorded ride does not read: " + keys.error).c_str());
    return;
  }
  for (auto _ : state) {
    const RideCosts costs = TimedRide(track.fileName, keys);
    const double step = Median(costs.steps);
    const double frame = Median(costs.frames);
    row.stepMedians.push_back(step);
    row.frameMedians.push_back(frame);
    row.frameCpuMedians.push_back(Median(costs.frameCpu));
    row.steps = costs.steps.size();
    row.frames = costs.frames.size();
    state.counters["step_us"] = step;
    state.counters["frame_us"] = frame;
    state.counters["frame_cpu_us"] = row.frameCpuMedians.back();
    state.counters["steps"] = double(costs.steps.size());
    state.counters["frames"] = double(costs.frames.size());
    state.SetLabel(TrackTest::RideEndName(costs.end));
  }
}

void PrintTable(const std::vector<TrackRow>& rows) {
  std::printf("\n| track | steps | frames | step median (us) | frame median (us) | load "
              "| frame processor time (us) | load by processor time |\n");
  std::printf("|---|---:|---:|---:|---:|---:|---:|---:|\n");
  const TrackRow* busiest = nullptr;
  for (const TrackRow& row : rows) {
    if (row.stepMedians.empty()) continue;
    std::printf("| %s | %zu | %zu | %.1f | %.0f | %.0f %% | %.0f | %.0f %% |\n", row.name.c_str(), row.steps,
                row.frames, row.Step(), row.Frame(), row.Load(row.Frame()), row.FrameCpu(),
                row.Load(row.FrameCpu()));
    if (!busiest || row.Load(row.FrameCpu()) > busiest->Load(busiest->FrameCpu())) busiest = &row;
  }
  if (busiest)
    std::printf("\nbusiest track: %s (step %.1f us, frame %.0f us of processor time, load %.0f %%)\n",
                busiest->name.c_str(), busiest->Step(), busiest->FrameCpu(), busiest->Load(busiest->FrameCpu()));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const std::vector<Kest::TrackRecord> tracks = TrackTest::ShippedTracks();
  TrackTest::RideStage();
  const Kest::App* app = Kest::GetApplication();
  if (!app || !app->HasScreen()) {
    std::fprintf(stderr, "no screen: run under xvfb-run\n");
    return 1;
  }
  std::vector<TrackRow> rows(tracks.size());
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    rows[i].name = tracks[i].displayName;
    benchmark::RegisterBenchmark(("Ride/" + tracks[i].displayName).c_str(), RideAndTime, tracks[i],
                                 std::ref(rows[i]))
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintTable(rows);
  return 0;
}
