// The GUI's graphics backend: widgets draw their points, lines, rectangles
// and images through the drawing layer. GUI coordinates are screen pixels
// whatever the layer's camera translation; the layer's tint still colours
// everything, so screens fade with the game.
#pragma once

#include <guichan/color.hpp>
#include <guichan/graphics.hpp>

#include "render/rgba.h"
#include "render/vec2.h"

namespace ol {
class Shape;
}

namespace gcn {

class OlGraphics : public Graphics {
 public:
  // Each draw of the GUI works inside one clip area of the whole screen.
  void _beginDraw() override;
  void _endDraw() override;

  // The layer clips to the top clip area, and only to it. Popping the last
  // area leaves the layer's clipping as it was.
  bool pushClipArea(Rectangle area) override;
  void popClipArea() override;

  using Graphics::drawImage;
  // Draws the source rectangle of an OlImage at the destination; any other
  // kind of image throws a gcn::Exception.
  void drawImage(const Image* image, int srcX, int srcY, int dstX, int dstY, int width,
                 int height) override;
  void drawPoint(int x, int y) override;
  void drawLine(int x1, int y1, int x2, int y2) override;
  void drawRectangle(const Rectangle& rectangle) override;
  void fillRectangle(const Rectangle& rectangle) override;

  void setColor(const Color& color) override;
  const Color& getColor() const override;

 private:
  void ClipToTopArea();
  // A widget's point on the layer: moved by the top clip area's offset, with
  // the layer's translation taken out again. Throws outside a GUI draw.
  ol::Vec2 ToLayer(int x, int y);
  ol::Rgba ShapeColor() const;

  Color color_;
};

}  // namespace gcn
