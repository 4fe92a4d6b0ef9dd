#include "tessora/boxpairs.h"

#include <algorithm>
#include <cmath>

namespace Tessora {

namespace {

bool Overlap(const BoundingBox& a, const BoundingBox& b) {
  return a.minX < b.maxX && b.minX < a.maxX && a.minY < b.maxY && b.minY < a.maxY;
}

// A box with a NaN side overlaps nothing, and would break the sort.
bool IsNumber(const BoundingBox& b) {
  return !std::isnan(b.minX) && !std::isnan(b.minY) && !std::isnan(b.maxX) && !std::isnan(b.maxY);
}

}  // namespace

// Sweeps the boxes from left to right: each box meets only the boxes that
// start before it ends.
std::vector<IndexPair> OverlappingBoxPairs(const std::vector<BoundingBox>& boxes,
                                           const std::vector<bool>& moving) {
  const auto moves = [&moving](int i) { return moving.empty() || moving[i]; };
  std::vector<int> byLeft;
  for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
    if (IsNumber(boxes[i])) byLeft.push_back(i);
  }
  std::sort(byLeft.begin(), byLeft.end(), [&](int a, int b) { return boxes[a].minX < boxes[b].minX; });
  std::vector<IndexPair> pairs;
  for (size_t a = 0; a < byLeft.size(); ++a) {
    const BoundingBox& box = boxes[byLeft[a]];
    for (size_t b = a + 1; b < byLeft.size() && boxes[byLeft[b]].minX < box.maxX; ++b) {
      if ((moves(byLeft[a]) || moves(byLeft[b])) && Overlap(box, boxes[byLeft[b]])) {
        pairs.push_back(std::minmax(byLeft[a], byLeft[b]));
      }
    }
  }
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

}  // namespace Tessora
