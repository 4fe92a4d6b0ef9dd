// Finds the pairs of boxes that overlap, without testing every pair: the
// collision pass runs over every object on screen each step.
#pragma once

#include <utility>
#include <vector>

#include "tessora/shape.h"

namespace Tessora {

using IndexPair = std::pair<int, int>;

// Index pairs (i, j), i < j, of the boxes that overlap strictly (boxes that
// only touch do not), in the order of a loop over i and then over j.
std::vector<IndexPair> OverlappingBoxPairs(const std::vector<BoundingBox>& boxes);

}  // namespace Tessora
