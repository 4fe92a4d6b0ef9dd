// The joints the game builds: motors, hinges and anchors. Level scripts can
// hand over missing objects; those calls are refused, not passed on to the
// solver, which would end the program.
#include "platform/trace.h"
#include "tessora/world.h"

namespace Tessora {

namespace {

// An angular motor about z, on the first body's axis.
dJointID CreateAngularMotor(dWorldID world, dBodyID a, dBodyID b, float maxForce) {
  dJointID motor = dJointCreateAMotor(world, nullptr);
  dJointAttach(motor, a, b);
  dJointSetAMotorNumAxes(motor, 1);
  dJointSetAMotorAxis(motor, 0, 1, 0.0f, 0.0f, 1.0f);
  dJointSetAMotorParam(motor, dParamFMax, maxForce);
  return motor;
}

}  // namespace

dJointID World::CreateMotor(Object* object) {
  if (!object || !object->GetBody()) {
    Platform::Trace("Tessora: refused a motor on an object without a body");
    return nullptr;
  }
  return CreateAngularMotor(world_, object->GetBody(), nullptr, dInfinity);
}

dJointID World::CreateHinge(Object* a, Object* b, const Vec2& anchor, float brake, float erp) {
  if (!a || !b) {
    Platform::Trace("Tessora: refused a hinge with a missing object");
    return nullptr;
  }
  return CreateHingeJoint(a->GetBody(), b->GetBody(), anchor, brake, erp);
}

dJointID World::CreateAnchor(Object* object, const Vec2& anchor, float brake, float erp) {
  if (!object) {
    Platform::Trace("Tessora: refused an anchor with a missing object");
    return nullptr;
  }
  return CreateHingeJoint(object->GetBody(), nullptr, anchor, brake, erp);
}

// A null body stands for the fixed world. The brake is a motor holding both
// sides at the same turning speed with at most the brake's force; it lives
// as long as the bodies and the world. Between two fixed sides there is
// nothing to brake.
dJointID World::CreateHingeJoint(dBodyID a, dBodyID b, const Vec2& anchor, float brake, float erp) {
  dJointID hinge = dJointCreateHinge(world_, nullptr);
  dJointAttach(hinge, a, b);
  dJointSetHingeAnchor(hinge, anchor.x, anchor.y, 0.0f);
  dJointSetHingeAxis(hinge, 0.0f, 0.0f, 1.0f);
  dJointSetERP(hinge, erp);
  if (brake != 0.0f && (a || b)) {
    dJointID motor = CreateAngularMotor(world_, a, b, brake);
    dJointSetAMotorParam(motor, dParamVel, 0.0f);
  }
  return hinge;
}

}  // namespace Tessora
