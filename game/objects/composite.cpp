#include "game/objects/composite.h"

#include "game/objects/outline.h"
#include "game/objects/triangle.h"
#include "tessora/block.h"
#include "tessora/circle.h"
#include "tessora/composite.h"

namespace Kest {

Composite::Composite(float x, float y, const std::string& textureName, bool dynamic) {
  MakePhysics(new Tessora::Composite(Tessora::Vec2(x, y)), dynamic);
  if (!textureName.empty()) texture_.Load(textureName);
}

Composite::~Composite() { liveParts_ -= partKinds_.size(); }

Tessora::Composite& Composite::CompositeShape() const {
  return static_cast<Tessora::Composite&>(*Physics().GetShape());
}

void Composite::AddPart(Tessora::Shape* part, PartKind kind) {
  part->SetPosition(part->GetPosition() + CompositeShape().GetPosition());
  CompositeShape().AddPart(part);
  partKinds_.push_back(kind);
  ++liveParts_;
}

void Composite::AddLine(float x1, float y1, float x2, float y2) {
  AddPart(new Tessora::Line(Tessora::Vec2(x1, y1), Tessora::Vec2(x2, y2)), kLinePart);
}

void Composite::AddCircle(float x, float y, float radius) {
  AddPart(new Tessora::Circle(Tessora::Vec2(x, y), radius), kCirclePart);
}

void Composite::AddBlock(float x, float y, float width, float height) {
  AddPart(new Tessora::Block(Tessora::Vec2(x + width * 0.5f, y + height * 0.5f), width, height),
          kBlockPart);
}

void Composite::Finalize() { CompositeShape().Update(); }

void Composite::Draw() {
  const Tessora::Composite& shape = CompositeShape();
  for (int i = 0; i < shape.GetPartCount(); ++i) {
    const Tessora::Shape& part = shape.GetPart(i);
    switch (partKinds_[static_cast<std::size_t>(i)]) {
      case kBlockPart:
        DrawBlockEdges(static_cast<const Tessora::Block&>(part), GetColor());
        break;
      case kLinePart:
        DrawLineShape(static_cast<const Tessora::Block&>(part), GetColor());
        break;
      default:
        DrawCircleOutline(static_cast<const Tessora::Circle&>(part), GetColor());
        break;
    }
  }
}

TriangleComposite::TriangleComposite(const ol::Vec2& p1, const ol::Vec2& p2, const ol::Vec2& p3)
    : Composite(0.0f, 0.0f, std::string(), false), triangle_(new Triangle(p1, p2, p3)) {
  AddLine(p1.x, p1.y, p2.x, p2.y);
  AddLine(p2.x, p2.y, p3.x, p3.y);
  AddLine(p3.x, p3.y, p1.x, p1.y);
  Finalize();
}

TriangleComposite::~TriangleComposite() = default;

void TriangleComposite::Draw() {
  if (IsFilled()) {
    triangle_->Draw(GetFillColor());
  } else {
    Composite::Draw();
  }
}

}  // namespace Kest
