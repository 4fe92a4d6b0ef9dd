// Which of the pending runs of the batch have drawn where on the screen, in
// cells of a few pixels: the batch asks it whether a draw could join an
// earlier run without painting over, or under, a later one. Cells are
// coarse and a box beyond the grid counts at its edge, so the answer errs
// only towards "something later is there".
#pragma once

#include <vector>

namespace ol {

// A screen rectangle in pixels, x1 and y1 beyond the last pixel.
struct ScreenBox {
  float x0, y0, x1, y1;
};

class OverlapGrid {
 public:
  OverlapGrid();

  // Records that the run drew inside the box.
  void Mark(const ScreenBox& box, int run);
  // The latest run recorded inside the box; 0 when none is.
  int LatestRunIn(const ScreenBox& box) const;
  void Clear();

 private:
  struct CellRange {
    int column0, row0, column1, row1;
  };
  CellRange CellsOf(const ScreenBox& box) const;

  std::vector<int> latestRun_;
  bool marked_ = false;
};

}  // namespace ol
