#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/objects/sprite.h"
#include "tests/support/tracecapture.h"

namespace {

// A sheet of four frames in two columns, 100 ms a frame.
Kest::Sprite FourFrames(bool looping) { return Kest::Sprite("", 2, 16, 8, 4, 100.0f, 0.0f, 0.0f, looping, false); }
Kest::Sprite OneFrame(float x, float y) { return Kest::Sprite("", 1, 16, 8, 1, 100.0f, x, y, true, false); }

// The frames shown after each frame step of 10 updates of 10 ms.
std::vector<int> FramesOverSteps(Kest::Sprite& sprite, int steps) {
  std::vector<int> frames;
  for (int step = 0; step < steps; ++step) {
    for (int i = 0; i < 10; ++i) sprite.Update(10.0f);
    frames.push_back(sprite.GetCurrentFrame());
  }
  return frames;
}

// A sprite of one frame moves on every update.
TEST(SpriteTest, FramesAndMovesOnlyWhenTheFrameDelayHasPassed) {
  Kest::Sprite sprite = FourFrames(true);
  sprite.SetSpeed(3.0f, 0.0f);
  for (int i = 0; i < 9; ++i) sprite.Update(10.0f);
  EXPECT_EQ(sprite.GetCurrentFrame(), 0);
  EXPECT_EQ(sprite.GetPosition().x, 0.0f);
  sprite.Update(10.0f);
  EXPECT_EQ(sprite.GetCurrentFrame(), 1);
  EXPECT_EQ(sprite.GetPosition().x, 3.0f);
  Kest::Sprite still = OneFrame(0, 0);
  still.SetSpeed(0.0f, 2.0f);
  still.Update(1.0f);
  still.Update(1.0f);
  EXPECT_EQ(still.GetPosition().y, 4.0f);
}

// Each frame step adds its own 10 ms to the pause: hidden for 30 steps.
TEST(SpriteTest, LoopsWithAHiddenPause) {
  Kest::Sprite plain = FourFrames(true);
  EXPECT_EQ(FramesOverSteps(plain, 5), (std::vector<int>{1, 2, 3, 0, 1}));
  Kest::Sprite pausing = FourFrames(true);
  pausing.SetLoopDelay(300.0f);
  const std::vector<int> frames = FramesOverSteps(pausing, 35);
  EXPECT_EQ(frames[2], 3);
  for (int step = 3; step < 33; ++step) EXPECT_EQ(frames[step], -1) << "step " << step;
  EXPECT_EQ(frames[33], 0);
}

TEST(SpriteTest, APlayOnceSpriteIsDoneAfterItsLastFrameDrawnOrNot) {
  Kest::Sprite smoke = FourFrames(false);
  EXPECT_EQ(FramesOverSteps(smoke, 3).back(), 3);
  EXPECT_FALSE(smoke.IsRemoved());
  FramesOverSteps(smoke, 1);
  EXPECT_TRUE(smoke.IsRemoved()) << "never drawn, still swept";
}

// Along a sail line it turns past either end, mirrored while it goes back;
// inside a sail box it turns at the walls without mirroring.
TEST(SpriteTest, TurnsAtItsSail) {
  Kest::Sprite bird = OneFrame(200, 50);
  bird.SetSpeed(2.0f, 0.0f);
  bird.SetSail(100.0f, 50.0f, 300.0f, 50.0f);
  bird.EnableSail(true);
  while (bird.GetSpeed().x > 0.0f) bird.Update(1.0f);
  EXPECT_GT(bird.GetPosition().x, 300.0f);
  ASSERT_NE(bird.GetTexture().GetRenderMode(), nullptr);
  EXPECT_EQ(bird.GetTexture().GetFlipMode(), 0);
  while (bird.GetSpeed().x < 0.0f) bird.Update(1.0f);
  EXPECT_LT(bird.GetPosition().x, 100.0f);
  EXPECT_EQ(bird.GetTexture().GetRenderMode(), nullptr);
  Kest::Sprite fish = OneFrame(50, 50);
  fish.SetSpeed(2.0f, 1.0f);
  fish.SetSail(0.0f, 0.0f, 100.0f, 100.0f);
  fish.EnableSail(true);
  for (int i = 0; i < 30; ++i) fish.Update(1.0f);
  EXPECT_EQ(fish.GetSpeed().x, -2.0f);
  EXPECT_EQ(fish.GetSpeed().y, -1.0f);
  EXPECT_EQ(fish.GetTexture().GetRenderMode(), nullptr);
}

// Whole random points inside the area at each loop; an area without size is refused.
TEST(SpriteTest, JumpsToWholeRandomPointsAtTheStartOfEachLoop) {
  TestSupport::TraceCapture trace;
  Kest::Sprite star = FourFrames(true);
  star.SetRandomPositioning(true, 0, 600);
  star.SetRandomPositioning(true, 800, -1);
  for (int i = 0; i < 20; ++i) star.Update(100.0f);
  EXPECT_EQ(star.GetPosition().x, 0.0f) << "random positioning stays off";
  EXPECT_EQ(trace.Lines().size(), 2u);
  star.SetRandomPositioning(true, 800, 600);
  for (int i = 0; i < 200; ++i) {
    star.Update(100.0f);
    const ol::Vec2& p = star.GetPosition();
    EXPECT_EQ(p.x, std::floor(p.x));
    EXPECT_TRUE(p.x >= 0 && p.x < 800 && p.y >= 0 && p.y < 600) << p.x << ", " << p.y;
  }
}

// A sheet without columns has no frames to step through or draw.
TEST(SpriteTest, ASheetWithoutColumnsIsRefused) {
  TestSupport::TraceCapture trace;
  Kest::Sprite noColumns("", 0, 16, 8, 4, 100.0f, 0.0f, 0.0f, true, false);
  noColumns.Update(1000.0f);
  noColumns.Draw();
  EXPECT_EQ(noColumns.GetCurrentFrame(), 0);
  EXPECT_EQ(trace.Lines().size(), 1u);
}

// A copy starts from its first frame with the original's settings, but not its mirroring.
TEST(SpriteTest, ACopyStartsAfreshWithTheSameSettings) {
  Kest::Sprite original = FourFrames(false);
  original.SetStatic(true);
  original.GetTexture().SetFlipMode(1);
  FramesOverSteps(original, 2);
  Kest::Sprite copy(original);
  EXPECT_EQ(copy.GetCurrentFrame(), 0);
  EXPECT_FALSE(copy.IsLooping());
  EXPECT_EQ(copy.GetTexture().GetRenderMode(), nullptr);
  EXPECT_TRUE(copy.IsInView(ol::Vec2(5000, 5000), ol::Vec2(5800, 5600))) << "pinned";
}

}  // namespace
