// Block against block: separating axes find the axis of least overlap, then
// the incident block's face nearest that axis is clipped against the
// reference block's face.
#include <cmath>
#include <limits>

#include "tessora/block.h"
#include "tessora/pairs.h"

namespace Tessora {

namespace {

// The axis of least overlap: 0 and 1 are a's direction and perpendicular,
// 2 and 3 b's. sideFlag: a lies on the positive side of b along the axis.
struct AxisFinding {
  int axis = 0;
  bool sideFlag = false;
};

bool FindLeastOverlap(const Block& a, const Block& b, AxisFinding& finding) {
  const Vec2 aDir = a.GetOrientation(), aPerp = aDir.Perp();
  const Vec2 bDir = b.GetOrientation(), bPerp = bDir.Perp();
  const Vec2 t = a.GetPosition() - b.GetPosition();
  const float c00 = std::fabs(Dot(bDir, aDir)), c01 = std::fabs(Dot(bPerp, aDir));
  const float c10 = std::fabs(Dot(bDir, aPerp)), c11 = std::fabs(Dot(bPerp, aPerp));
  const float aw = a.GetHalfExtent(0), ah = a.GetHalfExtent(1);
  const float bw = b.GetHalfExtent(0), bh = b.GetHalfExtent(1);
  const float ra[4] = {aw, ah, aw * c00 + ah * c10, aw * c01 + ah * c11};
  const float rb[4] = {bw * c00 + bh * c01, bw * c10 + bh * c11, bw, bh};
  const float p[4] = {Dot(aDir, t), Dot(aPerp, t), Dot(bDir, t), Dot(bPerp, t)};
  float least = std::numeric_limits<float>::infinity();
  for (int k = 0; k < 4; ++k) {
    const float overlap = ra[k] + rb[k] - std::fabs(p[k]);
    if (overlap < 0.0f) return false;
    if (overlap < least) {
      least = overlap;
      finding = {k, p[k] >= 0.0f};
    }
  }
  return true;
}

// The reference block R, whose face the contacts lie against, and the
// incident block I pressing into it.
struct Reference {
  const Block* r;
  const Block* i;
  Vec2 e;       // R's axis along the finding
  Vec2 side;    // R's other axis
  float hN;     // R's half extent along e
  float hS;     // R's half extent along side
  Vec2 n;       // from R toward I
  Vec2 normal;  // written with every contact: from b toward a
};

Reference MakeReference(const Block& a, const Block& b, const AxisFinding& f) {
  Reference ref;
  const bool referenceIsA = f.axis < 2;
  ref.r = referenceIsA ? &a : &b;
  ref.i = referenceIsA ? &b : &a;
  const int eAxis = f.axis % 2;
  const Vec2 dir = ref.r->GetOrientation();
  ref.e = eAxis == 0 ? dir : dir.Perp();
  ref.side = eAxis == 0 ? dir.Perp() : dir;
  ref.hN = ref.r->GetHalfExtent(eAxis);
  ref.hS = ref.r->GetHalfExtent(1 - eAxis);
  const bool towardNegative = referenceIsA == f.sideFlag;
  ref.n = towardNegative ? -ref.e : ref.e;
  ref.normal = referenceIsA ? -ref.n : ref.n;
  return ref;
}

// Where the incident face's span [c - x, c + x] along R's side axis stays
// within R's span [-hS, hS], relative to c. The comparisons at R's ends are
// inclusive so that two faces of equal width exactly in line still touch.
int ClipSpan(float c, float x, float hS, float clipped[2]) {
  const float lo = c - x, hi = c + x;
  int count = 0;
  if (lo < hS && hS < hi) clipped[count++] = hS - c;
  if (lo < hS && -hS <= lo) clipped[count++] = lo - c;
  if (lo < -hS && -hS < hi) clipped[count++] = -hS - c;
  if (-hS < hi && hi <= hS) clipped[count++] = hi - c;
  return count;
}

void AddClippedContacts(const Reference& ref, ContactBuffer& out) {
  const Block& inc = *ref.i;
  const Vec2 dir = inc.GetOrientation();
  const bool faceAlongPerp = std::fabs(Dot(dir.Perp(), ref.e)) > std::fabs(Dot(dir, ref.e));
  const int faceAxis = faceAlongPerp ? 1 : 0;
  const Vec2 faceNormal = faceAlongPerp ? dir.Perp() : dir;
  const Vec2 g = inc.GetAxis(faceAxis);
  const Vec2 faceCentre = Dot(faceNormal, ref.n) < 0.0f ? inc.GetPosition() + g : inc.GetPosition() - g;
  const Vec2 d = faceCentre - ref.r->GetPosition();
  const Vec2 f = faceAlongPerp ? dir : dir.Perp();
  const float cF = Dot(f, ref.side);
  const float c = Dot(ref.side, d);
  float clipped[2];
  const int count = ClipSpan(c, inc.GetHalfExtent(1 - faceAxis) * std::fabs(cF), ref.hS, clipped);
  for (int k = 0; k < count; ++k) {
    const Vec2 p = d + f * (clipped[k] / cF);
    const float depth = ref.hN - Dot(ref.n, p);
    if (depth >= 0.0f) out.Add(ref.r->GetPosition() + p, ref.normal, depth);
  }
}

}  // namespace

bool OverlapBlockBlock(const Shape& a, const Shape& b) {
  AxisFinding finding;
  return FindLeastOverlap(static_cast<const Block&>(a), static_cast<const Block&>(b), finding);
}

void CollideBlockBlock(const Shape& a, const Shape& b, ContactBuffer& out) {
  const Block& ba = static_cast<const Block&>(a);
  const Block& bb = static_cast<const Block&>(b);
  AxisFinding finding;
  if (FindLeastOverlap(ba, bb, finding)) AddClippedContacts(MakeReference(ba, bb, finding), out);
}

}  // namespace Tessora
