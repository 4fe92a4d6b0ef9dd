#include "render/rendermode.h"

#include "render/gl.h"

namespace ol {

void RenderMode::SetCornerTexCoord(int corner, const SourceRect& source, const TexCoords& coords,
                                   float /*drawWidth*/, float /*drawHeight*/) const {
  SetTextCoord(corner, source, coords);
}

void SetTextCoord(int corner, const SourceRect& /*source*/, const TexCoords& coords) {
  switch (corner) {
    case CORNER_TOP_LEFT:
      glTexCoord2f(coords.uLeft, coords.vTop);
      break;
    case CORNER_TOP_RIGHT:
      glTexCoord2f(coords.uRight, coords.vTop);
      break;
    case CORNER_BOTTOM_RIGHT:
      glTexCoord2f(coords.uRight, coords.vBottom);
      break;
    case CORNER_BOTTOM_LEFT:
      glTexCoord2f(coords.uLeft, coords.vBottom);
      break;
    default:
      break;
  }
}

}  // namespace ol
