// The game's four makers of shape objects, and the lookup that makes an
// object from a scene element's attributes. Numbers missing from an
// element count as 0; a shape of no size, or one with a number that is
// not finite, is not made (one log line).
#pragma once

#include "game/objects/shapemaker.h"

namespace Kest {

// "radius": a circle around (x, y).
class CircleMaker : public ShapeMaker {
 public:
  CircleMaker() : ShapeMaker("circle") {}
  Object* Make(AttributeMap& attributes) override;
};

// "x1", "y1", "x2", "y2" from (x, y): a static line; "hflip" swaps the
// ends' x values, "vflip" their y values.
class LineMaker : public ShapeMaker {
 public:
  LineMaker() : ShapeMaker("line") {}
  Object* Make(AttributeMap& attributes) override;
};

// "radius" and "quarter" (1 when missing): a static arc at (x, y), the
// quarter mirrored by the flips.
class ArcMaker : public ShapeMaker {
 public:
  ArcMaker() : ShapeMaker("arc") {}
  Object* Make(AttributeMap& attributes) override;
};

// "width" and "height": a block with its top-left corner at (x, y), its
// image mirrored by the flips.
class BlockMaker : public ShapeMaker {
 public:
  BlockMaker() : ShapeMaker("block") {}
  Object* Make(AttributeMap& attributes) override;
};

// The object of the maker that "class" names, owned by the caller; null
// when no maker has that name or the maker refuses.
Object* MakeObject(AttributeMap& attributes);

}  // namespace Kest
