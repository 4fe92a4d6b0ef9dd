#include "script/arguments.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

using namespace Kest::ScriptArguments;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

TEST(ScriptArguments, IntsTruncateTowardZeroAndSaturateAndChannelsAreHeldToAByte) {
  const struct {
    double in;
    int out;
  } rows[] = {{2.9, 2},           {-2.9, -2},        {kNaN, 0},          {kInf, INT_MAX},
              {-kInf, INT_MIN},   {1e300, INT_MAX},  {-1e300, INT_MIN},  {2147483648.0, INT_MAX},
              {-2147483649.0, INT_MIN}};
  for (const auto& row : rows) EXPECT_EQ(ToInt(row.in), row.out) << row.in;
  const std::pair<double, int> channels[] = {{-5, 0}, {300, 255}, {kNaN, 0}, {127.9, 127}};
  for (const auto& c : channels) EXPECT_EQ(ToChannel(c.first), c.second) << c.first;
}

// Every mask of 32 bits keeps all its bits, written unsigned or as a negative int.
TEST(ScriptArguments, MasksKeepAllTheirBits) {
  const std::pair<double, std::uint32_t> masks[] = {
      {0, 0},           {4294967295.0, 0xFFFFFFFFu}, {2147483648.0, 0x80000000u}, {-1, 0xFFFFFFFFu},
      {-2, 0xFFFFFFFEu}, {kNaN, 0},                 {1e300, 0xFFFFFFFFu},       {-1e300, 0x80000000u}};
  for (const auto& m : masks) EXPECT_EQ(ToMask(m.first), m.second) << m.first;
}

TEST(ScriptArguments, FloatsKeepTheirRangeAndOnlyFiniteOnesPass) {
  EXPECT_EQ(ToFloat(1e300), std::numeric_limits<float>::max());
  EXPECT_EQ(ToFloat(-1e300), -std::numeric_limits<float>::max());
  EXPECT_TRUE(std::isnan(ToFloat(kNaN)));
  EXPECT_TRUE(AreFinite("test", {0.0, -1e30, 3.5}));
  for (double bad : {kNaN, kInf, -kInf, 1e300}) EXPECT_FALSE(AreFinite("test", {1.0, bad}));
}

}  // namespace
