// The drawing layer's pixel savings leave the picture as it was: every
// shipped track is ridden with its recorded keys twice, with the savings
// off and on, and every 25th frame is read from the back buffer before it
// is shown; the two rides' frames must be the same to the last byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "render/drawbatch.h"
#include "render/gl.h"
#include "render/settings.h"
#include "tests/tracks/trackride.h"

namespace Kest {
// Failures name the track, not its bytes.
void PrintTo(const TrackRecord& track, std::ostream* out) { *out << track.fileName; }
}  // namespace Kest

namespace TrackTest {
namespace {

constexpr int kFramesApart = 25;
constexpr int kWidth = 800;
constexpr int kHeight = 600;

struct Shot {
  int step = 0;
  std::vector<std::uint32_t> pixels;  // RGBA, bottom row first
};

std::vector<Shot> RideAndShoot(const std::string& track, const RideKeys& keys, bool savings) {
  ol::Settings::SetPixelSavings(savings);
  std::vector<Shot> shots;
  RideWatch watch;
  watch.framesApart = kFramesApart;
  watch.frame = [&](int step) {
    Shot shot;
    shot.step = step;
    shot.pixels.resize(std::size_t(kWidth) * kHeight);
    ol::DrawBatch::Flush();  // what the flip would draw first
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, shot.pixels.data());
    shots.push_back(std::move(shot));
  };
  RideTrack(track, keys, watch);
  ol::Settings::SetPixelSavings(true);
  return shots;
}

int PixelsApart(const Shot& a, const Shot& b) {
  int apart = 0;
  for (std::size_t i = 0; i < a.pixels.size(); ++i) apart += a.pixels[i] != b.pixels[i];
  return apart;
}

class TrackPictures : public ::testing::TestWithParam<Kest::TrackRecord> {
 protected:
  static void SetUpTestSuite() { RideStage(); }
};

TEST_P(TrackPictures, AreTheSameWithThePixelSavingsOffAndOn) {
  const std::string& track = GetParam().fileName;
  const RideKeys keys = LoadRideKeys(RideFileOf(track));
  ASSERT_EQ(keys.error, "");
  const std::vector<Shot> plain = RideAndShoot(track, keys, false);
  const std::vector<Shot> saved = RideAndShoot(track, keys, true);
  ASSERT_EQ(plain.size(), saved.size());
  ASSERT_GT(plain.size(), 10u);
  int framesApart = 0;
  for (std::size_t i = 0; i < plain.size(); ++i) {
    ASSERT_EQ(plain[i].step, saved[i].step);
    const int apart = PixelsApart(plain[i], saved[i]);
    if (apart == 0) continue;
    ++framesApart;
    ADD_FAILURE() << "frame " << i * kFramesApart << " (step " << plain[i].step << "): " << apart
                  << " pixels differ";
    if (framesApart == 3) break;
  }
}

std::string TestNameOf(const ::testing::TestParamInfo<Kest::TrackRecord>& info) {
  std::string name;
  for (char c : info.param.displayName) if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  return name;
}

INSTANTIATE_TEST_SUITE_P(TrackList, TrackPictures, ::testing::ValuesIn(ShippedTracks()), TestNameOf);

}  // namespace
}  // namespace TrackTest
