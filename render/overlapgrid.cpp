#include "render/overlapgrid.h"

#include <algorithm>
#include <cmath>

namespace ol {
namespace {

// 16-pixel cells over 1024 x 1024 pixels: the game's screen with room to
// spare, and few cells for a sprite to mark.
constexpr float CELL_SIZE = 16.0f;
constexpr int COLUMNS = 64;
constexpr int ROWS = 64;

int CellIndex(float at, int count) {
  const float cell = std::floor(at / CELL_SIZE);
  if (!(cell > 0.0f)) return 0;  // NaN too
  return cell >= float(count - 1) ? count - 1 : int(cell);
}

}  // namespace

OverlapGrid::OverlapGrid() : latestRun_(COLUMNS * ROWS, 0) {}

OverlapGrid::CellRange OverlapGrid::CellsOf(const ScreenBox& box) const {
  return CellRange{CellIndex(box.x0, COLUMNS), CellIndex(box.y0, ROWS), CellIndex(box.x1, COLUMNS),
                   CellIndex(box.y1, ROWS)};
}

void OverlapGrid::Mark(const ScreenBox& box, int run) {
  const CellRange cells = CellsOf(box);
  for (int row = cells.row0; row <= cells.row1; ++row) {
    int* line = &latestRun_[row * COLUMNS];
    for (int column = cells.column0; column <= cells.column1; ++column)
      line[column] = std::max(line[column], run);
  }
  marked_ = true;
}

int OverlapGrid::LatestRunIn(const ScreenBox& box) const {
  if (!marked_) return 0;
  const CellRange cells = CellsOf(box);
  int latest = 0;
  for (int row = cells.row0; row <= cells.row1; ++row) {
    const int* line = &latestRun_[row * COLUMNS];
    for (int column = cells.column0; column <= cells.column1; ++column)
      latest = std::max(latest, line[column]);
  }
  return latest;
}

void OverlapGrid::Clear() {
  if (!marked_) return;
  std::fill(latestRun_.begin(), latestRun_.end(), 0);
  marked_ = false;
}

}  // namespace ol
