// Overlap tests and contact generation for every pair of shape kinds. Every
// routine reports normals pointing from its second shape toward its first,
// so moving the first shape along the normal by the depth parts the pair.
#pragma once

#include "tessora/contactbuffer.h"
#include "tessora/shape.h"

namespace Tessora {

// Both first compare the boxes (strictly: boxes that only touch do not
// overlap), then dispatch on the two kinds.
bool Overlaps(const Shape& a, const Shape& b);
void Collide(const Shape& a, const Shape& b, ContactBuffer& out);

using OverlapRoutine = bool (*)(const Shape& a, const Shape& b);
using CollideRoutine = void (*)(const Shape& a, const Shape& b, ContactBuffer& out);

// Indexed by kind of a x 5 + kind of b.
extern const OverlapRoutine overlapTable[kShapeTypeCount * kShapeTypeCount];
extern const CollideRoutine collideTable[kShapeTypeCount * kShapeTypeCount];

bool OverlapCircleCircle(const Shape& a, const Shape& b);
void CollideCircleCircle(const Shape& a, const Shape& b, ContactBuffer& out);
// Block first, circle second.
bool OverlapBlockCircle(const Shape& block, const Shape& circle);
void CollideBlockCircle(const Shape& block, const Shape& circle, ContactBuffer& out);
bool OverlapBlockBlock(const Shape& a, const Shape& b);
void CollideBlockBlock(const Shape& a, const Shape& b, ContactBuffer& out);
// Composite first: walks its parts against the other shape.
bool OverlapComposite(const Shape& composite, const Shape& other);
void CollideComposite(const Shape& composite, const Shape& other, ContactBuffer& out);

}  // namespace Tessora
