#include "game/objects/object.h"

#include <algorithm>
#include <cstdint>

#include "game/objects/deletionhook.h"
#include "game/screens/debugconsole.h"
#include "game/utility/utility.h"
#include "tessora/contactbuffer.h"
#include "tessora/object.h"

namespace Kest {

namespace {

template <class T>
void EraseAll(std::vector<T*>& list, const T* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

ol::Rgba ColorFromBytes(int r, int g, int b, int a) {
  const float k = 1.0f / 255.0f;
  return ol::Rgba(r * k, g * k, b * k, a * k);
}

bool BoxTouchesView(const ol::Vec2& min, const ol::Vec2& max, const ol::Vec2& viewMin,
                    const ol::Vec2& viewMax) {
  return min.x <= viewMax.x && max.x >= viewMin.x && min.y <= viewMax.y && max.y >= viewMin.y;
}

Object::Object() : color_(1.0f, 0.0f, 0.0f, 1.0f), fillColor_(0.0f, 0.0f, 0.0f, 0.0f) {}

Object::~Object() {
  ReportDeletion(this);
  ReportDeletion(&texture_);
  NotifyObservers(ObjectObserver::kDestroyed);
  for (Object* watcher : watchers_) watcher->ForgetWatched(this);
  for (Object* watched : watches_) watched->ForgetWatcher(this);
}

void Object::Update(float) {}

void Object::Draw() {}

void Object::SetRemoved(bool removed) { removed_ = removed; }

Tessora::Object* Object::GetBody() const { return nullptr; }

Object* Object::Clone() const { return nullptr; }

void Object::SetColor(const ol::Rgba& color) { color_ = color; }

bool Object::InsertInto(Space&, float, const std::string&) { return false; }

// A plain box overlap: a long ground block that spans the whole view, with
// its corners and centre outside it, is in view.
bool Object::IsInView(const ol::Vec2& viewMin, const ol::Vec2& viewMax) const {
  const Tessora::Object* body = GetBody();
  if (!body) return false;
  const Tessora::BoundingBox& box = body->GetShape()->GetBox();
  return BoxTouchesView(ol::Vec2(box.minX, box.minY), ol::Vec2(box.maxX, box.maxY), viewMin,
                        viewMax) ||
         IsInBox(viewMin, viewMax, ToDrawing(body->GetShape()->GetPosition()));
}

ol::Vec2 Object::GetCenter() const {
  const Tessora::Object* body = GetBody();
  if (!body) {
    Log("Object has no center position defined");
    return ol::Vec2();
  }
  if (dBodyID solverBody = body->GetBody()) {
    const dReal* position = dBodyGetPosition(solverBody);
    return ol::Vec2(position[0], position[1]);
  }
  return ToDrawing(body->GetShape()->GetPosition());
}

void Object::SetFillColor(int r, int g, int b, int a) {
  fillColor_ = ColorFromBytes(r, g, b, a);
  filled_ = true;
}

void Object::SetMass(float density) {
  if (Tessora::Object* body = GetBody()) body->SetMass(density);
}

void Object::SetCollisionMask(std::uint32_t mask) {
  if (Tessora::Object* body = GetBody()) body->surface.collisionMask = mask;
}

void Object::EnableCollisionCallback(bool on) {
  Tessora::Object* body = GetBody();
  if (!body) return;
  Tessora::SurfaceProperties& surface = body->surface;
  const bool routed = surface.contactCallback == &Object::OnContact;
  if (on && !routed) {
    earlierHandler_ = surface.contactCallback;
    earlierHandlerData_ = surface.userData;
    surface.contactCallback = &Object::OnContact;
    surface.userData = this;
  } else if (!on && routed) {
    surface.contactCallback = earlierHandler_;
    surface.userData = earlierHandlerData_;
    earlierHandler_ = nullptr;
    earlierHandlerData_ = nullptr;
  }
}

void Object::OnContact(Tessora::ContactBuffer* buffer) {
  Object* self = static_cast<Object*>(buffer->GetA()->surface.userData);
  self->PassToEarlierHandler(buffer);
  for (Object* watched : self->watches_) {
    if (watched->GetBody() == buffer->GetB()) {
      DebugConsole::Log("collision");
      self->NotifyObservers(ObjectObserver::kCollision);
      return;
    }
  }
}

// The earlier handler finds its own data where it left it.
void Object::PassToEarlierHandler(Tessora::ContactBuffer* buffer) {
  if (!earlierHandler_) return;
  Tessora::SurfaceProperties& surface = buffer->GetA()->surface;
  surface.userData = earlierHandlerData_;
  earlierHandler_(buffer);
  surface.userData = this;
}

void Object::AddCollisionWatch(Object* other) {
  if (!other) return;
  watches_.push_back(other);
  other->watchers_.push_back(this);
}

bool Object::IsWatching(const Object* other) const {
  return std::find(watches_.begin(), watches_.end(), other) != watches_.end();
}

void Object::ForgetWatched(const Object* other) { EraseAll(watches_, other); }

void Object::ForgetWatcher(const Object* other) { EraseAll(watchers_, other); }

void Object::AddObserver(ObjectObserver* observer) { observers_.Add(observer); }

void Object::RemoveObserver(ObjectObserver* observer) { observers_.Remove(observer); }

void Object::NotifyObservers(int kind) {
  observers_.ForEach([&](ObjectObserver* observer) { observer->OnCollision(kind, this); });
}

void Object::AddUserJoint(dJointID joint) { userJoints_.push_back(joint); }

void Object::RemoveUserJoint(int index) {
  if (index < 0 || index >= GetUserJointCount()) return;
  dJointID joint = userJoints_[static_cast<std::size_t>(index)];
  dJointAttach(joint, nullptr, nullptr);
  dJointDestroy(joint);
  userJoints_.erase(userJoints_.begin() + index);
}

}  // namespace Kest
