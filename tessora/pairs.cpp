// Dispatch of the pair tests on the two shape kinds, and the composite
// walkers that take a composite apart into its parts.
#include "tessora/pairs.h"

#include "tessora/composite.h"

namespace Tessora {

namespace {

bool BoxesOverlap(const BoundingBox& a, const BoundingBox& b) {
  return a.minX < b.maxX && b.minX < a.maxX && a.minY < b.maxY && b.minY < a.maxY;
}

int CellOf(const Shape& a, const Shape& b) {
  return static_cast<int>(a.GetType()) * kShapeTypeCount + static_cast<int>(b.GetType());
}

// No shape is of the terrain kind; its cells never meet anything.
bool OverlapNothing(const Shape&, const Shape&) { return false; }
void CollideNothing(const Shape&, const Shape&, ContactBuffer&) {}

template <OverlapRoutine routine>
bool OverlapSwapped(const Shape& a, const Shape& b) {
  return routine(b, a);
}

template <CollideRoutine routine>
void CollideSwapped(const Shape& a, const Shape& b, ContactBuffer& out) {
  out.ToggleFlip();
  routine(b, a, out);
  out.ToggleFlip();
}

constexpr OverlapRoutine kBB = OverlapBlockBlock;
constexpr OverlapRoutine kBC = OverlapBlockCircle;
constexpr OverlapRoutine kCB = OverlapSwapped<OverlapBlockCircle>;
constexpr OverlapRoutine kCC = OverlapCircleCircle;
constexpr OverlapRoutine kXO = OverlapComposite;
constexpr OverlapRoutine kOX = OverlapSwapped<OverlapComposite>;
constexpr OverlapRoutine kNO = OverlapNothing;

constexpr CollideRoutine cBB = CollideBlockBlock;
constexpr CollideRoutine cBC = CollideBlockCircle;
constexpr CollideRoutine cCB = CollideSwapped<CollideBlockCircle>;
constexpr CollideRoutine cCC = CollideCircleCircle;
constexpr CollideRoutine cXO = CollideComposite;
constexpr CollideRoutine cOX = CollideSwapped<CollideComposite>;
constexpr CollideRoutine cNO = CollideNothing;

}  // namespace

// Rows: kind of a (Quad, Line, Circle, Terrain, Composite); columns: kind of b.
const OverlapRoutine overlapTable[kShapeTypeCount * kShapeTypeCount] = {
    kBB, kBB, kBC, kNO, kOX,  //
    kBB, kBB, kBC, kNO, kOX,  //
    kCB, kCB, kCC, kNO, kOX,  //
    kNO, kNO, kNO, kNO, kOX,  //
    kXO, kXO, kXO, kXO, kXO,
};

const CollideRoutine collideTable[kShapeTypeCount * kShapeTypeCount] = {
    cBB, cBB, cBC, cNO, cOX,  //
    cBB, cBB, cBC, cNO, cOX,  //
    cCB, cCB, cCC, cNO, cOX,  //
    cNO, cNO, cNO, cNO, cOX,  //
    cXO, cXO, cXO, cXO, cXO,
};

bool Overlaps(const Shape& a, const Shape& b) {
  return BoxesOverlap(a.GetBox(), b.GetBox()) && overlapTable[CellOf(a, b)](a, b);
}

void Collide(const Shape& a, const Shape& b, ContactBuffer& out) {
  if (BoxesOverlap(a.GetBox(), b.GetBox())) collideTable[CellOf(a, b)](a, b, out);
}

bool OverlapComposite(const Shape& composite, const Shape& other) {
  const Composite& c = static_cast<const Composite&>(composite);
  for (int i = 0; i < c.GetPartCount(); ++i) {
    if (Overlaps(c.GetPart(i), other)) return true;
  }
  return false;
}

// Every collide routine adds nothing for shapes that do not overlap, so the
// parts need no separate overlap test.
void CollideComposite(const Shape& composite, const Shape& other, ContactBuffer& out) {
  const Composite& c = static_cast<const Composite&>(composite);
  for (int i = 0; i < c.GetPartCount(); ++i) Collide(c.GetPart(i), other, out);
}

}  // namespace Tessora
