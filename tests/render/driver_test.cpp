// The graphics driver's paths, which need no screen. (Its memory bitmaps are
// read back in the bitmap tests.)
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "render/setup.h"

namespace {

TEST(GraphicsDriver, PathsAreTakenFromTheExecutablesFolder) {
  const std::string folder = ol::Setup::GetExecutablePath();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_EQ(folder, Platform::ExecutableDirectory());
  // The game's backslashes stay until the file is opened.
  EXPECT_EQ(ol::Setup::ToAbsolutePathname("res\\x.png"), folder + "res\\x.png");
  EXPECT_EQ(ol::Setup::ToAbsolutePathname("/tmp/x.png"), "/tmp/x.png");
}

}  // namespace
