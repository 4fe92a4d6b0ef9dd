#include "render/allegrogl/olgraphics.h"

#include <guichan/exception.hpp>
#include <guichan/rectangle.hpp>

#include "render/allegrogl/olimage.h"
#include "render/canvas.h"
#include "render/ellipse.h"
#include "render/line.h"
#include "render/rect.h"
#include "render/rendermodes.h"
#include "render/setup.h"
#include "render/transforms.h"

namespace gcn {

void OlGraphics::_beginDraw() {
  pushClipArea(Rectangle(0, 0, ol::Setup::GetScreenWidth(), ol::Setup::GetScreenHeight()));
}

void OlGraphics::_endDraw() { popClipArea(); }

bool OlGraphics::pushClipArea(Rectangle area) {
  const bool visible = Graphics::pushClipArea(area);
  ClipToTopArea();
  return visible;
}

void OlGraphics::popClipArea() {
  Graphics::popClipArea();
  if (!mClipStack.empty()) ClipToTopArea();
}

void OlGraphics::ClipToTopArea() {
  const ClipRectangle& top = mClipStack.top();
  ol::Canvas::DisableClipping();
  ol::Canvas::SetClipping(top.x, top.y, top.width, top.height);
}

// The whole bitmap is placed so that the source rectangle lands on the
// destination, and the clipped mode cuts the rest away.
void OlGraphics::drawImage(const Image* image, int srcX, int srcY, int dstX, int dstY, int width,
                           int height) {
  const auto* olImage = dynamic_cast<const OlImage*>(image);
  if (olImage == nullptr)
    throw GCN_EXCEPTION("Trying to draw an image of unknown format, must be an AllegroImage.");
  const ol::Vec2 destination = ToLayer(dstX, dstY);
  const ol::ClippedMode cell{float(srcX), float(srcY), float(width), float(height)};
  olImage->getBitmap().BlitWithMode(destination.x - float(srcX), destination.y - float(srcY),
                                    cell, 1.0f);
}

void OlGraphics::drawPoint(int x, int y) {
  const ol::Vec2 point = ToLayer(x, y);
  ol::Circle(point.x, point.y, 1.0f, 1.0f).Draw(ShapeColor());
}

void OlGraphics::drawLine(int x1, int y1, int x2, int y2) {
  const ol::Vec2 start = ToLayer(x1, y1);
  const ol::Vec2 end = ToLayer(x2, y2);
  ol::Line(start.x, start.y, end.x, end.y, 1.0f).Draw(ShapeColor());
}

void OlGraphics::drawRectangle(const Rectangle& rectangle) {
  const ol::Vec2 corner = ToLayer(rectangle.x, rectangle.y);
  ol::Rect(corner.x, corner.y, float(rectangle.width), float(rectangle.height), 1.0f, 0.0f)
      .DrawOutline(ShapeColor());
}

void OlGraphics::fillRectangle(const Rectangle& rectangle) {
  const ol::Vec2 corner = ToLayer(rectangle.x, rectangle.y);
  ol::Rect(corner.x, corner.y, float(rectangle.width), float(rectangle.height), 1.0f, 0.0f)
      .Draw(ShapeColor());
}

void OlGraphics::setColor(const Color& color) { color_ = color; }

const Color& OlGraphics::getColor() const { return color_; }

ol::Vec2 OlGraphics::ToLayer(int x, int y) {
  const ClipRectangle& top = getCurrentClipArea();
  return ol::Vec2(float(x + top.xOffset), float(y + top.yOffset)) - ol::Transforms::GetPosition();
}

// Shapes multiply this by the tint themselves.
ol::Rgba OlGraphics::ShapeColor() const {
  return ol::Rgba(color_.r / 255.0f, color_.g / 255.0f, color_.b / 255.0f, color_.a / 255.0f);
}

}  // namespace gcn
