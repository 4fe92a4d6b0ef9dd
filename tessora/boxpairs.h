// Finds the pairs of boxes that overlap, without testing every pair: the
// collision pass runs over every object on screen each step.
#pragma once

#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

#include "tessora/shape.h"

namespace Tessora {

using IndexPair = std::pair<int, int>;

// Index pairs (i, j), i < j, of the boxes that overlap strictly (boxes that
// only touch do not), in the order of a loop over i and then over j, and
// only the first `most` of them: a heap of boxes has millions of pairs, and
// the work done stays near what the pairs given back take. Given a flag per
// box for whether it moves, pairs of two boxes that do not are left out:
// static objects never meet.
std::vector<IndexPair> OverlappingBoxPairs(const std::vector<BoundingBox>& boxes,
                                           const std::vector<bool>& moving = {},
                                           std::size_t most = std::numeric_limits<std::size_t>::max());

}  // namespace Tessora
