#include "render/polygon.h"

#include <cmath>
#include <sstream>

#include "platform/trace.h"
#include "render/drawbatch.h"
#include "render/gl.h"

namespace ol {
namespace {

constexpr float NEAR = 0.001f;

Vec2 Unit(const Vec2& v) {
  const float length = v.Length();
  return length > 0.0f ? v / length : Vec2();
}

void Vertex(const Vec2& p) { DrawBatch::AddVertex(p.x, p.y); }

// How far, and which way, the band's edges lie from vertex V, where u points
// from the next vertex back to V and d along the edge that arrives at V.
// Corners are mitred; a straight run, or a corner too sharp to mitre, takes
// the plain perpendicular offset.
Vec2 BandOffset(const Vec2& u, const Vec2& d, float halfWidth) {
  const Vec2 straight(-u.y * halfWidth, u.x * halfWidth);
  Vec2 s = u + d;
  if (s.Length() < NEAR) return straight;
  s = Unit(s);
  if ((s.y - u.y) * (d.x - u.x) - (s.x - u.x) * (d.y - u.y) > 0.0f) s = -s;
  const float m = s.x * d.y - d.x * s.y;
  if (std::fabs(m) < NEAR) return straight;
  return s * halfWidth / m;
}

}  // namespace

Polygon::Polygon(float pivotX, float pivotY)
    : placement_(Vec2(), 0.0f, 1.0f, Vec2(pivotX, pivotY)) {}

Polygon::Polygon(const std::vector<Vec2>& vertices, float pivotX, float pivotY)
    : Polygon(pivotX, pivotY) {
  for (const Vec2& vertex : vertices) AddVertex(vertex);
}

void Polygon::MoveBy(const Vec2& amount) { placement_.position += amount; }

void Polygon::MoveTo(const Vec2& position) { placement_.position = position; }

void Polygon::RotateBy(float angle) { placement_.angle += angle; }

void Polygon::TransformBy(const Placement& placement) { placement_ += placement; }

std::string Polygon::ToString() const {
  std::ostringstream text;
  text << "Polygon: Placement: " << placement_.ToString() << " Vertices:";
  for (const Vec2& v : vertices_) text << " ( " << v.x << ", " << v.y << " )";
  return text.str();
}

void Polygon::AddVertex(const Vec2& vertex) {
  if (!vertices_.empty()) {
    const float length = (vertex - vertices_.back()).Length();
    segmentLengths_.push_back(length);
    totalLength_ += length;
  }
  vertices_.push_back(vertex);
}

Vec2 Polygon::SetVertex(int index, const Vec2& vertex) {
  if (index < 0 || index >= static_cast<int>(vertices_.size())) {
    std::ostringstream text;
    text << "Invalid vertex index: " << index << " ( Number of vertices: " << vertices_.size()
         << " )";
    Platform::Trace(text.str());
    return vertex;
  }
  vertices_[index] = vertex;
  return vertex;
}

void Polygon::DrawRaw() const {
  DrawBatch::Begin(GL_POLYGON, placement_.ToAffine(placement_.pivot));
  for (const Vec2& v : vertices_) Vertex(v);
  DrawBatch::End();
}

// A band of half the line width on either side of the closed outline, as
// one quad strip that starts at the last vertex.
void Polygon::DrawOutlineRaw() const {
  const std::size_t count = vertices_.size();
  if (count < 2) return;
  const float w = lineWidth_;
  DrawBatch::Begin(GL_QUAD_STRIP, placement_.ToAffine(placement_.pivot));
  Vec2 previous = vertices_.back();
  Vec2 d = Unit(vertices_.front() - previous);
  Vertex(Vec2(previous.x + d.y * w, previous.y - d.x * w));
  Vertex(Vec2(previous.x - d.y * w, previous.y + d.x * w));
  for (std::size_t i = 0; i < count; ++i) {
    const Vec2& v = vertices_[i];
    const Vec2& next = vertices_[(i + 1) % count];
    const bool onPrevious =
        std::fabs(v.x - previous.x) < NEAR && std::fabs(v.y - previous.y) < NEAR;
    if (onPrevious || (v - next).Length() < NEAR) continue;
    const Vec2 u = Unit(v - next);
    const Vec2 offset = BandOffset(u, d, w);
    Vertex(v + offset);
    Vertex(v - offset);
    d = -u;
    previous = v;
  }
  DrawBatch::End();
}

}  // namespace ol
