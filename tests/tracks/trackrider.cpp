// Plays a track headless with a recorded ride and reports how it goes: the
// tool for finding a track's keys. Run it under xvfb-run from anywhere:
//
//   trackrider <track> <keys file> [--drive PLAN] [--every N] [--until X]
//              [--max N] [--look T] [--vars NAMES] [--shot STEP FILE]...
//
// It prints the bike's place every N physics steps (default 250), how the
// ride ended and its time against the level time. --until ends the ride
// once the bike is right of X, --max after N steps. --shot saves the screen
// as the frame after STEP is shown (a PNG of 800 x 600). --vars a,b,c shows
// those script variables when they change and at the end.
//
// With --drive PLAN the keys file is written instead of read: the steering
// controller (autorider.h) rides the track by the plan and the keys it
// chose are saved, ready to be replayed or edited.
#include <allegro.h>
#include <loadpng.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "game/level/variablemanager.h"
#include "platform/trace.h"
#include "render/drawbatch.h"
#include "render/gl.h"
#include "tests/tracks/autorider.h"
#include "tests/tracks/trackride.h"

namespace {

struct Options {
  std::string track, keys, plan;
  int every = 250;
  int max = 1 << 30;
  float until = 1e30f;
  float lookAhead = 1.0f;
  std::map<int, std::string> shots;
  std::vector<std::string> vars;
};

std::vector<std::string> SplitNames(const std::string& names) {
  std::vector<std::string> split;
  std::size_t from = 0;
  for (std::size_t comma; (comma = names.find(',', from)) != std::string::npos; from = comma + 1)
    split.push_back(names.substr(from, comma - from));
  split.push_back(names.substr(from));
  return split;
}

// The frame in the back buffer, 800 x 600, as a PNG: GL's rows run from
// the bottom up.
void SaveFrame(const std::string& path) {
  constexpr int kWidth = 800, kHeight = 600;
  std::vector<unsigned char> rgba(std::size_t(kWidth) * kHeight * 4);
  ol::DrawBatch::Flush();
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  BITMAP* image = create_bitmap_ex(32, kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const unsigned char* p = &rgba[(std::size_t(kHeight - 1 - y) * kWidth + x) * 4];
      putpixel(image, x, y, makeacol32(p[0], p[1], p[2], 255));
    }
  }
  save_png(path.c_str(), image, nullptr);
  destroy_bitmap(image);
}

// The variables as "a=1 b= c=2".
std::string VariablesText(const std::vector<std::string>& names) {
  std::string text;
  const Kest::VariableManager* variables = Kest::VariableManager::GetInstance();
  for (const std::string& name : names)
    text += name + "=" + (variables ? variables->GetVariable(name) : "") + " ";
  return text;
}

bool ReadOptions(int argc, char** argv, Options& options) {
  if (argc < 3) return false;
  options.track = argv[1];
  options.keys = std::filesystem::absolute(argv[2]).string();
  for (int i = 3; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--every" && i + 1 < argc) {
      options.every = std::atoi(argv[++i]);
    } else if (option == "--drive" && i + 1 < argc) {
      options.plan = argv[++i];
    } else if (option == "--vars" && i + 1 < argc) {
      options.vars = SplitNames(argv[++i]);
    } else if (option == "--look" && i + 1 < argc) {
      options.lookAhead = std::strtof(argv[++i], nullptr);
    } else if (option == "--max" && i + 1 < argc) {
      options.max = std::atoi(argv[++i]);
    } else if (option == "--until" && i + 1 < argc) {
      options.until = std::strtof(argv[++i], nullptr);
    } else if (option == "--shot" && i + 2 < argc) {
      const int step = std::atoi(argv[++i]);
      options.shots[step] = std::filesystem::absolute(argv[++i]).string();
    } else {
      return false;
    }
  }
  return options.every > 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ReadOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: trackrider <track> <keys> [--every N] [--until X] "
                 "[--shot STEP FILE]...\n");
    return 2;
  }
  TrackTest::RideKeys keys;
  std::vector<TrackTest::PlanSection> plan;
  std::string error;
  if (options.plan.empty()) {
    keys = TrackTest::LoadRideKeys(options.keys);
    error = keys.error;
  } else {
    plan = TrackTest::LoadPlan(options.plan, error);
    // The controller chooses each step's keys after the step before it.
    keys.runs.push_back(TrackTest::KeyRun{1, false, false, 0});
  }
  if (!error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  TrackTest::AutoRider rider(plan, options.lookAhead);
  Platform::SetTraceFile(std::filesystem::absolute("trackrider.log").string());
  TrackTest::RideStage();
  TrackTest::RideWatch watch;
  std::string shownVariables;
  watch.step = [&](int step, const Tessora::Vec2& bike) {
    if (!plan.empty()) rider.Steer(step, keys);
    const std::string variables = VariablesText(options.vars);
    if (variables != shownVariables) {
      shownVariables = variables;
      std::printf("step %6d  x %8.1f  %s\n", step, bike.x, variables.c_str());
    }
    if (step % options.every == 0)
      std::printf("step %6d  x %8.1f  y %7.1f  %s\n", step, bike.x, bike.y,
                  TrackTest::AutoRider::State().c_str());
    return bike.x > options.until || step >= options.max;
  };
  if (!options.shots.empty()) watch.frame = [&](int step) {
    auto shot = options.shots.begin();
    if (shot == options.shots.end() || step < shot->first) return;
    SaveFrame(shot->second);
    options.shots.erase(shot);
  };
  const TrackTest::RideResult ride = TrackTest::RideTrack(options.track, keys, watch);
  std::printf("%s after %d steps at x %.1f y %.1f: %.2f s of the level's %.0f s\n",
              TrackTest::RideEndName(ride.end), ride.steps, ride.bike.x, ride.bike.y,
              ride.playMs / 1000.0, ride.levelTimeMs / 1000.0);
  if (ride.end == TrackTest::RideEnd::kFinished)
    std::printf("score %u: %u time, %u flips, %u wheelies\n",
                ride.score.time + ride.score.flips + ride.score.wheelies, ride.score.time,
                ride.score.flips, ride.score.wheelies);
  if (!plan.empty()) TrackTest::SaveRideKeys(keys, options.keys);
  return ride.end == TrackTest::RideEnd::kFinished ? 0 : 1;
}
