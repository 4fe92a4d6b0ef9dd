// Base of everything a level places in the world: ground shapes, ropes,
// pictures, HUD meters, sprites. The application walks the objects of its
// space in depth order each frame: it updates them, asks whether they are in
// view, draws them, and collides those it drew. Conditions observe their
// collisions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <ode/ode.h>

#include "game/objects/observerlist.h"
#include "game/objects/texture.h"
#include "game/utility/livecount.h"
#include "render/rgba.h"
#include "render/vec2.h"
#include "tessora/vec2.h"

namespace Tessora {
class ContactBuffer;
class Object;
}  // namespace Tessora

namespace Kest {

class Object;
class Space;

// Told when the observed object touches one of the objects it watches, and
// when it is being destroyed.
class ObjectObserver {
 public:
  enum Kind { kCollision = 0, kDestroyed = 1 };

  virtual ~ObjectObserver() = default;
  virtual void OnCollision(int kind, Object* object) = 0;
};

// A point of the physics layer as the drawing layer takes it.
inline ol::Vec2 ToDrawing(const Tessora::Vec2& v) { return ol::Vec2(v.x, v.y); }

// Colour channels given as 0..255, scaled into 0..1.
ol::Rgba ColorFromBytes(int r, int g, int b, int a);

// Whether the box [min, max] and the view share a point, edges included.
bool BoxTouchesView(const ol::Vec2& min, const ol::Vec2& max, const ol::Vec2& viewMin,
                    const ol::Vec2& viewMax);

class Object : public LiveCount<Object> {
 public:
  Object();
  // Tells the observers (kDestroyed) and lets go of every collision watch
  // in both directions.
  virtual ~Object();
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  virtual void Update(float dt);
  virtual void Draw();
  // A removed object is deleted by the application's next frame.
  virtual void SetRemoved(bool removed);
  // The physics object that collides for this one, or null.
  virtual Tessora::Object* GetBody() const;
  // A new object owned by the caller, or null for kinds that do not copy.
  virtual Object* Clone() const;
  virtual void SetColor(const ol::Rgba& color);
  // True when the object inserted itself (or its parts) into the space;
  // false asks the space to insert it as it is.
  virtual bool InsertInto(Space& space, float depth, const std::string& name);
  // Whether the physics shape's box touches the view rectangle, edges
  // included (or its centre lies in it); never without a physics object.
  virtual bool IsInView(const ol::Vec2& viewMin, const ol::Vec2& viewMax) const;
  // The body's position, a static object's shape centre; (0, 0) with a log
  // line for objects outside physics.
  virtual ol::Vec2 GetCenter() const;

  Texture& GetTexture() { return texture_; }
  const Texture& GetTexture() const { return texture_; }

  const ol::Rgba& GetColor() const { return color_; }
  const ol::Rgba& GetFillColor() const { return fillColor_; }
  // Shapes are drawn filled in the fill colour from then on.
  void SetFillColor(int r, int g, int b, int a);
  bool IsFilled() const { return filled_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool IsVisible() const { return visible_; }
  bool IsRemoved() const { return removed_; }
  // Written by the space at insertion; the space's order reads it.
  float GetDepth() const { return depth_; }
  void SetDepth(float depth) { depth_ = depth; }

  // Forwarded to the physics object; objects without one ignore them.
  void SetMass(float density);
  void SetCollisionMask(std::uint32_t mask);
  // Routes the physics object's contacts to the collision watches. The
  // contact handling the physics object had before (a bike wheel's, a
  // boost's) keeps running first; switching off gives it back its place.
  void EnableCollisionCallback(bool on);

  // A contact with a watched object notifies the observers (kCollision).
  // The watch ends by itself when either object is destroyed.
  void AddCollisionWatch(Object* other);
  bool IsWatching(const Object* other) const;
  void AddObserver(ObjectObserver* observer);
  // Safe from inside OnCollision: the entry is only nulled here and
  // unlinked by the next notification.
  void RemoveObserver(ObjectObserver* observer);
  void NotifyObservers(int kind);

  // Joints that scripts anchored on this object; the world owns them.
  void AddUserJoint(dJointID joint);
  // Detaches and destroys the joint at that position; an index outside the
  // list does nothing.
  void RemoveUserJoint(int index);
  int GetUserJointCount() const { return static_cast<int>(userJoints_.size()); }

 protected:
  Texture texture_;

 private:
  static void OnContact(Tessora::ContactBuffer* buffer);
  void PassToEarlierHandler(Tessora::ContactBuffer* buffer);
  void ForgetWatched(const Object* other);
  void ForgetWatcher(const Object* other);

  ol::Rgba color_;
  ol::Rgba fillColor_;
  bool filled_ = false;
  bool visible_ = true;
  bool removed_ = false;
  float depth_ = 0.0f;
  std::vector<Object*> watches_;   // objects whose contact fires a collision
  std::vector<Object*> watchers_;  // objects that watch this one
  ObserverList<ObjectObserver> observers_;
  std::vector<dJointID> userJoints_;
  // The physics object's contact handling from before the watch took over.
  void (*earlierHandler_)(Tessora::ContactBuffer*) = nullptr;
  void* earlierHandlerData_ = nullptr;
};

}  // namespace Kest
