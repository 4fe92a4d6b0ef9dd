#include "game/utility/utility.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Round, HalvesGoUpAndNegativesTruncateTowardZero) {
  EXPECT_EQ(Kest::Round(2.5f), 3.0f);
  EXPECT_EQ(Kest::Round(2.4f), 2.0f);
  EXPECT_EQ(Kest::Round(0.49999f), 0.0f);
  EXPECT_EQ(Kest::Round(0.5f), 1.0f);
  EXPECT_EQ(Kest::Round(-0.7f), 0.0f);
  EXPECT_EQ(Kest::Round(-1.7f), -1.0f);
  // Scores can be large: no integer overflow on the way.
  EXPECT_EQ(Kest::Round(3e9f), 3e9f);
}

TEST(RandomRange, StaysWithinBounds) {
  std::srand(7);
  for (int i = 0; i < 100000; ++i) {
    const float v = Kest::RandomRange(-10.0f, 10.0f);
    ASSERT_GE(v, -10.0f);
    ASSERT_LE(v, 10.0f);
  }
  // Bounds where the float arithmetic rounds past the far end for the
  // largest draw.
  for (int i = 0; i < 200000; ++i) {
    const float v = Kest::RandomRange(55.7179f, -77.574501f);
    ASSERT_LE(v, 55.7179f);
    ASSERT_GE(v, -77.574501f);
  }
}

TEST(IsInBox, IncludesEdgesAndRejectsNaN) {
  const ol::Vec2 min(0, 0), max(10, 5);
  EXPECT_TRUE(Kest::IsInBox(min, max, ol::Vec2(0, 0)));
  EXPECT_TRUE(Kest::IsInBox(min, max, ol::Vec2(10, 5)));
  EXPECT_FALSE(Kest::IsInBox(min, max, ol::Vec2(10.001f, 5)));
  EXPECT_FALSE(Kest::IsInBox(min, max, ol::Vec2(std::nanf(""), 1)));
  EXPECT_TRUE(Kest::IsSamePoint(ol::Vec2(1, 2), ol::Vec2(1, 2)));
  EXPECT_FALSE(Kest::IsSamePoint(ol::Vec2(1, 2), ol::Vec2(1, 2.0001f)));
}

TEST(RotatePoint, UsesTheUpperLeftOfTheSolverMatrix) {
  // A quarter turn about z, as the solver stores it (3 rows of 4).
  const float m[12] = {0, -1, 0, 99, 1, 0, 0, 99, 0, 0, 1, 99};
  const ol::Vec2 r = Kest::RotatePoint(ol::Vec2(2, 3), m);
  EXPECT_FLOAT_EQ(r.x, -3);
  EXPECT_FLOAT_EQ(r.y, 2);
}

TEST(DelayTimer, AdvancesAndResets) {
  Kest::DelayTimer t(40);
  t.Advance(15);
  t.Advance(30);
  EXPECT_FLOAT_EQ(t.GetElapsed(), 45);
  EXPECT_FLOAT_EQ(t.GetDelay(), 40);
  t.Reset();
  EXPECT_FLOAT_EQ(t.GetElapsed(), 0);
}

TEST(ParseBool, OnlyTheThreeTrueForms) {
  EXPECT_TRUE(Kest::ParseBool("TRUE"));
  EXPECT_TRUE(Kest::ParseBool("true"));
  EXPECT_TRUE(Kest::ParseBool("1"));
  EXPECT_FALSE(Kest::ParseBool("True"));
  EXPECT_FALSE(Kest::ParseBool(""));
  EXPECT_FALSE(Kest::ParseBool("yes"));
  EXPECT_FALSE(Kest::ParseBool(" 1"));
}

TEST(Conversions, NumbersFromTextAndBack) {
  EXPECT_EQ(Kest::StringToInt("  42abc"), 42);
  EXPECT_EQ(Kest::StringToInt("-3"), -3);
  EXPECT_EQ(Kest::StringToInt("abc"), 0);
  EXPECT_EQ(Kest::StringToNumber<unsigned>("9999"), 9999u);
  EXPECT_EQ(Kest::StringToNumber<unsigned long>("1700000000"), 1700000000ul);
  EXPECT_EQ(Kest::StringToNumber<unsigned>(""), 0u);
  EXPECT_EQ(Kest::ToString(0.5f), "0.5");
  EXPECT_EQ(Kest::ToString(1234567.0f), "1.23457e+06");
  EXPECT_EQ(Kest::ToString(true), "1");
  EXPECT_EQ(Kest::ToString(-12), "-12");
  EXPECT_EQ(Kest::ToString(4000000000u), "4000000000");
}

}  // namespace
