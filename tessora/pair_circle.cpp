// Circle against circle, and block against circle.
#include <cmath>

#include "tessora/block.h"
#include "tessora/circle.h"
#include "tessora/pairs.h"

namespace Tessora {

bool OverlapCircleCircle(const Shape& a, const Shape& b) {
  const Circle& ca = static_cast<const Circle&>(a);
  const Circle& cb = static_cast<const Circle&>(b);
  return (cb.GetPosition() - ca.GetPosition()).Length() <= ca.GetRadius() + cb.GetRadius();
}

namespace {

// The middle of the overlap on the line of centres; when one circle lies
// wholly inside the other, the overlap is the smaller circle: its centre.
Vec2 MiddleOfOverlap(const Circle& a, const Circle& b, const Vec2& n, float d) {
  const float ra = a.GetRadius(), rb = b.GetRadius();
  if (d + ra <= rb) return a.GetPosition();
  if (d + rb <= ra) return b.GetPosition();
  return a.GetPosition() + n * ((ra - rb + d) * 0.5f);
}

}  // namespace

void CollideCircleCircle(const Shape& a, const Shape& b, ContactBuffer& out) {
  const Circle& ca = static_cast<const Circle&>(a);
  const Circle& cb = static_cast<const Circle&>(b);
  const Vec2 v = cb.GetPosition() - ca.GetPosition();
  const float d = v.Length();
  const float reach = ca.GetRadius() + cb.GetRadius();
  if (d > reach) return;
  if (d == 0.0f) {
    out.Add(ca.GetPosition(), Vec2(-1.0f, 0.0f), reach);
    return;
  }
  const Vec2 n = v * (1.0f / d);
  out.Add(MiddleOfOverlap(ca, cb, n, d), -n, reach - d);
}

namespace {

// The circle's centre in the block's frame, and the nearest point of the
// block to it.
struct BlockLocal {
  Vec2 offset;    // circle centre - block centre, in world axes
  float lx, ly;   // offset along the block's axes, clamped into the block
  bool inside;    // neither coordinate needed clamping
  Vec2 nearest;   // nearest block point relative to the block centre
};

float Clamp(float value, float limit, bool& clamped) {
  if (value > limit) {
    clamped = true;
    return limit;
  }
  if (value < -limit) {
    clamped = true;
    return -limit;
  }
  return value;
}

BlockLocal Locate(const Block& block, const Circle& circle) {
  BlockLocal local;
  const Vec2 dir = block.GetOrientation();
  const Vec2 perp = dir.Perp();
  local.offset = circle.GetPosition() - block.GetPosition();
  bool clamped = false;
  local.lx = Clamp(Dot(local.offset, dir), block.GetHalfExtent(0), clamped);
  local.ly = Clamp(Dot(local.offset, perp), block.GetHalfExtent(1), clamped);
  local.inside = !clamped;
  local.nearest = dir * local.lx + perp * local.ly;
  return local;
}

// A centre inside the block is pushed out through the nearest face.
void AddFaceContact(const Block& block, const Circle& circle, const BlockLocal& local,
                    ContactBuffer& out) {
  const Vec2 dir = block.GetOrientation();
  const float ex = block.GetHalfExtent(0) - std::fabs(local.lx);
  const float ey = block.GetHalfExtent(1) - std::fabs(local.ly);
  if (ey < ex) {
    const Vec2 perp = dir.Perp();
    out.Add(circle.GetPosition(), local.ly >= 0.0f ? -perp : perp, ey + circle.GetRadius());
  } else {
    out.Add(circle.GetPosition(), local.lx >= 0.0f ? -dir : dir, ex + circle.GetRadius());
  }
}

}  // namespace

bool OverlapBlockCircle(const Shape& block, const Shape& circle) {
  const Circle& c = static_cast<const Circle&>(circle);
  const BlockLocal local = Locate(static_cast<const Block&>(block), c);
  return local.inside || c.GetRadius() - (local.offset - local.nearest).Length() >= 0.0f;
}

void CollideBlockCircle(const Shape& block, const Shape& circle, ContactBuffer& out) {
  const Block& b = static_cast<const Block&>(block);
  const Circle& c = static_cast<const Circle&>(circle);
  const BlockLocal local = Locate(b, c);
  if (local.inside) {
    AddFaceContact(b, c, local, out);
    return;
  }
  const Vec2 w = local.offset - local.nearest;
  const float m = w.Length();
  const float depth = c.GetRadius() - m;
  if (depth < 0.0f) return;
  const Vec2 normal = m == 0.0f ? Vec2(-1.0f, 0.0f) : w * (-1.0f / m);
  out.Add(b.GetPosition() + local.nearest, normal, depth);
}

}  // namespace Tessora
