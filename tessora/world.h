// The physics world: one solver world, the contact joints of the last
// collision pass, and the joints the game builds (motors, hinges, anchors).
#pragma once

#include <vector>

#include <ode/ode.h>

#include "tessora/contactbuffer.h"
#include "tessora/object.h"
#include "tessora/vec2.h"

namespace Tessora {

class World {
 public:
  World();
  // Destroys every body and joint in the world: delete the objects first.
  ~World();
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  void Step(float dt);
  dBodyID CreateBody();
  // For the joints the game makes itself (the rider's slider).
  dWorldID GetWorldID() const { return world_; }

  void SetAutoDisableLinearThreshold(float threshold);
  void SetCFM(float cfm);
  void SetAutoDisableFlag(bool enabled);
  // New joints take the world's ERP of the moment they are made.
  void SetERP(float erp);
  void SetContactMaxCorrectingVel(float velocity);
  void SetContactSurfaceLayer(float depth);
  void SetGravity(const Vec2& gravity);

  // An angular motor about z between the object's body and the fixed world,
  // with unlimited force; drive it with SetMotorSpeed. Refused (null) for a
  // null object or one without a body.
  dJointID CreateMotor(Object* object);
  // A hinge about z between the two objects' bodies (a static object's side
  // is the fixed world) with its own ERP; a brake other than 0 adds a motor
  // of that force holding the two at the same turning speed. Refused (null)
  // when either object is null.
  dJointID CreateHinge(Object* a, Object* b, const Vec2& anchor, float brake, float erp);
  // As CreateHinge, with the fixed world as the second side.
  dJointID CreateAnchor(Object* object, const Vec2& anchor, float brake, float erp);

  // What one collision pass does at most, so that a heap of bodies cannot
  // stall the game: the pairs whose boxes overlap that it collides, and the
  // contact joints it makes. A ridden track stays far below both (at most
  // about a hundred pairs).
  static constexpr int kMostPairsPerStep = 20000;
  static constexpr int kMostContactJointsPerStep = 5000;

  // The collision pass over the candidates in draw order (null entries are
  // skipped): contacts of the last pass go, every pair with a dynamic side
  // that overlaps is collided, its callbacks run, and pairs whose collision
  // masks share a bit get contact joints. The pairs past kMostPairsPerStep
  // are not collided, and a pair whose contacts would take the joints past
  // kMostContactJointsPerStep makes none; the first time in a world that
  // each cap is reached is logged.
  void CollideObjects(const std::vector<Object*>& objects);
  // Contact joints made by the last collision pass.
  int GetContactTotal() const { return contactTotal_; }

 private:
  void CollidePair(Object* a, Object* b);
  void MakeJoints();
  dJointID CreateHingeJoint(dBodyID a, dBodyID b, const Vec2& anchor, float brake, float erp);

  int contactTotal_ = 0;
  bool pairCapLogged_ = false;
  bool jointCapLogged_ = false;
  dWorldID world_;
  dJointGroupID contactGroup_;
  ContactBuffer buffer_;
};

// Target turning speed of a motor from CreateMotor; a null motor is ignored.
void SetMotorSpeed(dJointID motor, float speed);

}  // namespace Tessora
