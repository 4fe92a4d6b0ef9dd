// The collision pass: contacts between the objects drawn last frame become
// the contact joints of the next step.
#include "tessora/boxpairs.h"
#include "tessora/pairs.h"
#include "tessora/world.h"

#include <string>

#include "platform/trace.h"

namespace Tessora {

namespace {

bool ShareBit(const Object& a, const Object& b) {
  return (a.surface.collisionMask & b.surface.collisionMask) != 0;
}

bool HasCallback(const Object& o) { return o.surface.contactCallback != nullptr; }

void LogOnce(bool& logged, const std::string& line) {
  if (logged) return;
  logged = true;
  Platform::Trace(line + " (not logged again for this level)");
}

// A missing object gets the empty box, which overlaps nothing.
std::vector<BoundingBox> BoxesOf(const std::vector<Object*>& objects) {
  const BoundingBox empty{dInfinity, dInfinity, -dInfinity, -dInfinity};
  std::vector<BoundingBox> boxes;
  boxes.reserve(objects.size());
  for (const Object* o : objects) boxes.push_back(o ? o->GetShape()->GetBox() : empty);
  return boxes;
}

}  // namespace

// Pairs whose boxes do not overlap cannot overlap, so only the others are
// visited, still in list order: the earlier object of the list is A. The
// boxes are those at the start of the pass (callbacks do not move objects).
// One pair more than the cap is asked for, to learn that there are more.
void World::CollideObjects(const std::vector<Object*>& objects) {
  dJointGroupEmpty(contactGroup_);
  contactTotal_ = 0;
  std::vector<bool> moving;
  moving.reserve(objects.size());
  for (const Object* o : objects) moving.push_back(o && o->IsDynamic());
  std::vector<IndexPair> pairs = OverlappingBoxPairs(BoxesOf(objects), moving, kMostPairsPerStep + 1);
  if (pairs.size() > static_cast<std::size_t>(kMostPairsPerStep)) {
    pairs.pop_back();
    LogOnce(pairCapLogged_, "Collision pass: more than " + std::to_string(kMostPairsPerStep) +
                                " overlapping pairs in one step; the rest are left out of the step");
  }
  for (const IndexPair& pair : pairs) CollidePair(objects[pair.first], objects[pair.second]);
}

// A pair whose masks share no bit but that has a callback is a sensor: the
// callbacks see its contacts, and no joint is made. An object listed twice
// does not meet itself.
void World::CollidePair(Object* a, Object* b) {
  if (a == b || (!a->IsDynamic() && !b->IsDynamic())) return;
  const bool solid = ShareBit(*a, *b);
  if (!solid && !HasCallback(*a) && !HasCallback(*b)) return;
  if (!Overlaps(*a->GetShape(), *b->GetShape())) return;
  buffer_.Reset(a, b);
  Collide(*a->GetShape(), *b->GetShape(), buffer_);
  buffer_.MixSurfaces();
  if (solid) MakeJoints();
}

// A pair gets all its joints or none.
void World::MakeJoints() {
  if (contactTotal_ + buffer_.GetCount() > kMostContactJointsPerStep) {
    LogOnce(jointCapLogged_, "Collision pass: more than " + std::to_string(kMostContactJointsPerStep) +
                                 " contacts in one step; the rest make no contact joints in that step");
    return;
  }
  buffer_.CreateJoints(world_, contactGroup_);
  contactTotal_ += buffer_.GetCount();
}

}  // namespace Tessora
