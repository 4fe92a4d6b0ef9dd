#include <gtest/gtest.h>

#include "game/objects/resourcemanager.h"
#include "game/objects/texture.h"
#include "render/rendermode.h"
#include "tests/support/tracecapture.h"

namespace ObjectsTest {
namespace {

TEST(TextureTest, AnEmptyNameLoadsNothingQuietly) {
  TestSupport::TraceCapture trace;
  Kest::Texture texture;
  texture.Load("");
  EXPECT_FALSE(texture.IsValid());
  EXPECT_EQ(texture.GetBitmap(), nullptr);
  EXPECT_TRUE(trace.Lines().empty());
}

TEST(TextureTest, AnImageThatDoesNotLoadIsLogged) {
  TestSupport::TraceCapture trace;
  Kest::ResourceManager::Create();
  Kest::Texture texture;
  texture.Load("res\\nothing.png");
  EXPECT_FALSE(texture.IsValid());
  EXPECT_EQ(texture.GetFileName(), "res\\nothing.png");
  EXPECT_TRUE(trace.Contains("Failed to create texture: res\\nothing.png"));
  Kest::ResourceManager::Destroy();
}

// Assigning over a mirrored texture replaces its render mode: the old one is
// gone for good, and each texture deletes only its own.
TEST(TextureTest, CopiesMirrorOnTheirOwn) {
  Kest::Texture mirrored;
  mirrored.SetFlipMode(2);
  Kest::Texture target;
  target.SetFlipHorizontally();
  target = mirrored;
  ASSERT_NE(target.GetRenderMode(), nullptr);
  EXPECT_NE(target.GetRenderMode(), mirrored.GetRenderMode());
  EXPECT_EQ(target.GetFlipMode(), 2);

  Kest::Texture plain;
  target = plain;
  EXPECT_EQ(target.GetRenderMode(), nullptr);

  target = target;
  Kest::Texture copy(mirrored);
  EXPECT_NE(copy.GetRenderMode(), nullptr);
}

TEST(TextureTest, CopyingATextureWithoutBitmapKeepsTheFileName) {
  Kest::Texture target;
  target.Load("res\\kept.png");
  Kest::Texture source;
  target = source;
  EXPECT_EQ(target.GetFileName(), "res\\kept.png");
}

}  // namespace
}  // namespace ObjectsTest
