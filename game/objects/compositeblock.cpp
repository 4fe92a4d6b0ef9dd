#include "game/objects/compositeblock.h"

#include <algorithm>
#include <cmath>

#include "game/app/app.h"
#include "game/objects/bikelight.h"
#include "render/rect.h"
#include "tessora/block.h"

namespace Kest {

namespace {

// Cells counted from the block's edge, first included, last excluded.
struct CellSpan {
  long long first;
  long long last;
};

// The cells of one axis that reach into the view. A block of any size
// costs at most the cells across the view; past two billion cells an axis
// is cut short.
CellSpan VisibleCells(float origin, float extent, float viewMin, float viewMax) {
  const double size = CompositeBlock::kCellSize;
  const double count = extent > 0.0f ? std::min(std::ceil(extent / size), 2147483647.0) : 0.0;
  const double first = std::floor((double(viewMin) - origin) / size);
  const double last = std::ceil((double(viewMax) - origin) / size);
  return CellSpan{static_cast<long long>(std::clamp(first, 0.0, count)),
                  static_cast<long long>(std::clamp(last, 0.0, count))};
}

}  // namespace

CompositeBlock::CompositeBlock(float x, float y, float width, float height, bool red, bool green,
                               bool blue, int alpha, bool hideFar, int radius)
    : x_(x),
      y_(y),
      width_(width),
      height_(height),
      red_(red),
      green_(green),
      blue_(blue || (!red && !green)),
      alpha_(std::clamp(alpha, 0, 255)),
      hideFar_(hideFar),
      radius_(radius) {
  MakePhysics(new Tessora::Block(Tessora::Vec2(x, y), Tessora::Vec2(x + width, y + height)),
              false);
}

ByteColor CompositeBlock::CellColor(float distance) const {
  const bool far = distance > float(radius_);
  const int alpha = far ? (hideFar_ ? 0 : 255) : alpha_;
  const int level = far ? 0 : Brightness(distance);
  return ByteColor{red_ ? level : 0, green_ ? level : 0, blue_ ? level : 0, alpha};
}

void CompositeBlock::Draw() {
  const ol::Vec2 viewMin = GetCameraPosition();
  const ol::Vec2 viewMax = viewMin + ol::Vec2(kViewWidth, kViewHeight);
  const CellSpan rows = VisibleCells(y_, height_, viewMin.y, viewMax.y);
  const CellSpan columns = VisibleCells(x_, width_, viewMin.x, viewMax.x);
  for (long long row = rows.first; row < rows.last; ++row) {
    for (long long column = columns.first; column < columns.last; ++column) {
      const ol::Vec2 corner(x_ + column * kCellSize, y_ + row * kCellSize);
      const ByteColor color = CellColor(DistanceFromBike(corner));
      // An invisible cell is skipped, not drawn clear.
      if (color.a == 0) continue;
      ol::Rect(corner.x, corner.y, kCellSize, kCellSize)
          .Draw(ColorFromBytes(color.r, color.g, color.b, color.a));
    }
  }
}

}  // namespace Kest
