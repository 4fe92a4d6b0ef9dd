// Finds the pairs of boxes that overlap, without testing every pair: the
// collision pass runs over every object on screen each step.
#pragma once

#include <utility>
#include <vector>

#include "tessora/shape.h"

namespace Tessora {

using IndexPair = std::pair<int, int>;

// Index pairs (i, j), i < j, of the boxes that overlap strictly (boxes that
// only touch do not), in the order of a loop over i and then over j. Given
// a flag per box for whether it moves, pairs of two boxes that do not are
// left out: static objects never meet, and a pile of them would otherwise
// give a million pairs each step.
std::vector<IndexPair> OverlappingBoxPairs(const std::vector<BoundingBox>& boxes,
                                           const std::vector<bool>& moving = {});

}  // namespace Tessora
