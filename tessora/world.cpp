#include "tessora/world.h"

#include "tessora/solver.h"

namespace Tessora {

// The stepper shuffles the constraints with the solver's one process-wide
// random generator. Starting it afresh with every world makes a restarted
// level ride exactly as it did the first time.
World::World() {
  InitSolver();
  dRandSetSeed(0);
  world_ = dWorldCreate();
  contactGroup_ = dJointGroupCreate(0);
}

World::~World() {
  dJointGroupDestroy(contactGroup_);
  dWorldDestroy(world_);
}

void World::Step(float dt) { dWorldQuickStep(world_, dt); }

dBodyID World::CreateBody() { return dBodyCreate(world_); }

void World::SetAutoDisableLinearThreshold(float threshold) {
  dWorldSetAutoDisableLinearThreshold(world_, threshold);
}

void World::SetCFM(float cfm) { dWorldSetCFM(world_, cfm); }

void World::SetAutoDisableFlag(bool enabled) { dWorldSetAutoDisableFlag(world_, enabled ? 1 : 0); }

void World::SetERP(float erp) { dWorldSetERP(world_, erp); }

void World::SetContactMaxCorrectingVel(float velocity) {
  dWorldSetContactMaxCorrectingVel(world_, velocity);
}

void World::SetContactSurfaceLayer(float depth) { dWorldSetContactSurfaceLayer(world_, depth); }

void World::SetGravity(const Vec2& gravity) { dWorldSetGravity(world_, gravity.x, gravity.y, 0.0f); }

void SetMotorSpeed(dJointID motor, float speed) {
  if (motor) dJointSetAMotorParam(motor, dParamVel, speed);
}

}  // namespace Tessora
