#include "render/rendermode.h"

#include "render/drawbatch.h"

namespace ol {

void RenderMode::SetCornerTexCoord(int corner, const SourceRect& source, const TexCoords& coords,
                                   float /*drawWidth*/, float /*drawHeight*/) const {
  SetTextCoord(corner, source, coords);
}

void SetTextCoord(int corner, const SourceRect& /*source*/, const TexCoords& coords) {
  switch (corner) {
    case CORNER_TOP_LEFT:
      DrawBatch::SetTexCoord(coords.uLeft, coords.vTop);
      break;
    case CORNER_TOP_RIGHT:
      DrawBatch::SetTexCoord(coords.uRight, coords.vTop);
      break;
    case CORNER_BOTTOM_RIGHT:
      DrawBatch::SetTexCoord(coords.uRight, coords.vBottom);
      break;
    case CORNER_BOTTOM_LEFT:
      DrawBatch::SetTexCoord(coords.uLeft, coords.vBottom);
      break;
    default:
      break;
  }
}

}  // namespace ol
