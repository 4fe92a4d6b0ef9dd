// The credits' texts.
#include "game/screens/creditsscreen.h"

#include <gtest/gtest.h>

#include "game/screens/fontglyphs.h"

namespace {

// Every line stands in the menu font, which has no capitals and few signs.
TEST(Credits, TenLinesEveryOneInTheMenuFontsGlyphs) {
  const std::vector<std::string> lines = Kest::CreditsScreen::Lines();
  ASSERT_EQ(lines.size(), 10u);
  for (const std::string& line : lines) EXPECT_TRUE(Kest::CanDraw(Kest::kMenuFontGlyphs, line)) << line;
  EXPECT_EQ(lines.back(), "    press esc    ");
  EXPECT_FALSE(Kest::CanDraw(Kest::kMenuFontGlyphs, "Esc")) << "a capital";
}

}  // namespace
