// Plays a track headless with a recorded ride and reports how it goes: the
// tool for finding and checking a track's keys (README.md). Under xvfb-run:
//
//   trackrider <track> <keys file> [--every N] [--until X] [--max N] [--shot STEP FILE]... [--record]
//
// It prints the bike's place every N physics steps (default 250), how the
// ride ended and its time against the level time. --until ends the ride once
// the bike is right of X, --max after N steps; --shot saves the frame shown
// after STEP as an 800 x 600 PNG; --record writes a finished ride's step
// and score into the keys file, in place of the ones it kept.
#include <allegro.h>
#include <loadpng.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <map>
#include <string>
#include <vector>

#include "platform/trace.h"
#include "render/drawbatch.h"
#include "render/gl.h"
#include "tests/tracks/trackride.h"

namespace {

struct Options {
  std::string track, keys;
  int every = 250, max = 1 << 30;
  float until = 1e30f;
  std::map<int, std::string> shots;
  bool record = false;
};

// The keys file with its finish line, if any, in place of the old one.
bool RecordFinish(const std::string& path, const TrackTest::RideResult& ride) {
  std::ifstream in(path);
  std::ostringstream kept;
  const std::string finish = TrackTest::FinishLine(ride.steps, TrackTest::TotalScore(ride));
  for (std::string line, word; std::getline(in, line);)
    if (!(std::istringstream(line) >> word) || word != TrackTest::kFinishWord) kept << line << "\n";
  in.close();
  std::ofstream out(path, std::ios::trunc);
  out << kept.str() << finish << "\n";
  return bool(out.flush());
}

// The frame in the back buffer as a PNG: GL's rows run from the bottom up.
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

bool ReadOptions(int argc, char** argv, Options& options) {
  if (argc < 3) return false;
  options.track = argv[1];
  options.keys = argv[2];
  for (int i = 3; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--every" && i + 1 < argc) {
      options.every = std::atoi(argv[++i]);
    } else if (option == "--max" && i + 1 < argc) {
      options.max = std::atoi(argv[++i]);
    } else if (option == "--until" && i + 1 < argc) {
      options.until = std::strtof(argv[++i], nullptr);
    } else if (option == "--record") {
      options.record = true;
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
    std::fprintf(stderr, "usage: trackrider <track> <keys> [--every N] [--until X] [--max N] [--shot STEP FILE]... [--record]\n");
    return 2;
  }
  const TrackTest::RideKeys keys = TrackTest::LoadRideKeys(options.keys);
  if (!keys.error.empty()) {
    std::fprintf(stderr, "%s\n", keys.error.c_str());
    return 2;
  }
  Platform::SetTraceFile(std::filesystem::absolute("trackrider.log").string());
  TrackTest::RideStage();
  TrackTest::RideWatch watch;
  watch.step = [&](int step, const Tessora::Vec2& bike) {
    if (step % options.every == 0) std::printf("step %6d  x %8.1f  y %7.1f\n", step, bike.x, bike.y);
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
  const bool finished = ride.end == TrackTest::RideEnd::kFinished;
  if (finished)
    std::printf("score %u: %u time, %u flips, %u wheelies\n", TrackTest::TotalScore(ride), ride.score.time,
                ride.score.flips, ride.score.wheelies);
  if (finished && options.record && !RecordFinish(options.keys, ride)) {
    std::fprintf(stderr, "cannot write %s\n", options.keys.c_str());
    return 2;
  }
  if (finished && options.record) std::printf("recorded in %s\n", options.keys.c_str());
  return finished ? 0 : 1;
}
