#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "tessora/boxpairs.h"

namespace {

using Tessora::BoundingBox;
using Tessora::IndexPair;

std::vector<IndexPair> EveryPairTested(const std::vector<BoundingBox>& boxes) {
  std::vector<IndexPair> pairs;
  for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
    for (int j = i + 1; j < static_cast<int>(boxes.size()); ++j) {
      const BoundingBox &a = boxes[i], &b = boxes[j];
      if (a.minX < b.maxX && b.minX < a.maxX && a.minY < b.maxY && b.minY < a.maxY) pairs.push_back({i, j});
    }
  }
  return pairs;
}

// Coordinates on a coarse grid, so that boxes often share or touch edges.
TEST(BoxPairs, SameAsTestingEveryPairInListOrder) {
  std::mt19937 rng(99);
  std::uniform_int_distribution<int> cell(0, 20), size(0, 4);
  for (int round = 0; round < 50; ++round) {
    std::vector<BoundingBox> boxes;
    for (int i = 0; i < 60; ++i) {
      const float x = cell(rng), y = cell(rng);
      boxes.push_back({x, y, x + size(rng), y + size(rng)});
    }
    EXPECT_EQ(Tessora::OverlappingBoxPairs(boxes), EveryPairTested(boxes));
  }
}

TEST(BoxPairs, EmptyAndNanBoxesMeetNothing) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::nanf("");
  const std::vector<BoundingBox> boxes = {
      {0, 0, 10, 10}, {inf, inf, -inf, -inf}, {nan, 0, 5, 5}, {1, 1, 2, 2}, {-inf, -inf, inf, inf}};
  EXPECT_EQ(Tessora::OverlappingBoxPairs(boxes), (std::vector<IndexPair>{{0, 3}, {0, 4}, {3, 4}}));
}

}  // namespace
