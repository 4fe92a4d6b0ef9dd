#include <gtest/gtest.h>

#include "game/objects/texture.h"
#include "render/rendermode.h"
#include "tests/support/scene.h"
#include "tests/support/tracecapture.h"

namespace {

using TextureTest = TestSupport::Scene;

// An empty name loads nothing quietly; a file that does not load is logged
// and keeps its name, also through a copy that has no bitmap to load.
TEST_F(TextureTest, AFailedLoadIsLoggedAndKeepsTheName) {
  TestSupport::TraceCapture trace;
  Kest::Texture texture;
  texture.Load("");
  EXPECT_TRUE(trace.Lines().empty());
  texture.Load("res\\nothing.png");
  EXPECT_FALSE(texture.IsValid());
  EXPECT_EQ(trace.Lines(), std::vector<std::string>{"Failed to create texture: res\\nothing.png"});
  texture = Kest::Texture();
  EXPECT_EQ(texture.GetFileName(), "res\\nothing.png");
}

// Assigning replaces the render mode: each texture deletes only its own,
// and assigning a texture to itself keeps its mirroring.
TEST(TextureCopy, CopiesMirrorOnTheirOwn) {
  Kest::Texture mirrored;
  mirrored.SetFlipMode(2);
  Kest::Texture target;
  target.SetFlipHorizontally();
  target = mirrored;
  ASSERT_NE(target.GetRenderMode(), nullptr);
  EXPECT_NE(target.GetRenderMode(), mirrored.GetRenderMode());
  EXPECT_EQ(target.GetFlipMode(), 2);

  Kest::Texture& self = target;
  target = self;
  ASSERT_NE(target.GetRenderMode(), nullptr);
  EXPECT_EQ(target.GetFlipMode(), 2);

  target = Kest::Texture();
  EXPECT_EQ(target.GetRenderMode(), nullptr);
  EXPECT_NE(Kest::Texture(mirrored).GetRenderMode(), nullptr);
}

}  // namespace
