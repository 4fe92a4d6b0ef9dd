// A solid block drawn as a field of 15 x 15 cells that glow around the bike:
// each cell shows its colour channels brighter the nearer the bike is to
// its corner, and beyond the radius it is black, or not drawn at all when
// far cells are hidden.
#pragma once

#include "game/objects/bodyobject.h"
namespace Kest {

// A colour in channels of 0..255.
struct ByteColor {
  int r;
  int g;
  int b;
  int a;
};

class CompositeBlock : public BodyObject {
 public:
  static constexpr float kCellSize = 15.0f;

  // The block's top-left corner at (x, y); alpha is the near cells'
  // opacity, 0..255. Without any channel the block glows blue.
  CompositeBlock(float x, float y, float width, float height, bool red, bool green, bool blue,
                 int alpha, bool hideFar, int radius);

  // The cells that lie in the view; the last row and column may stick out
  // past the block.
  void Draw() override;

 private:
  // The colour of a cell whose corner lies that far from the bike.
  ByteColor CellColor(float distance) const;

  float x_;
  float y_;
  float width_;
  float height_;
  bool red_;
  bool green_;
  bool blue_;
  int alpha_;
  bool hideFar_;
  int radius_;
};

}  // namespace Kest
