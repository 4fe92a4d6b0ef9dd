// A physics world set up the way the game sets up every level.
#pragma once

#include "tessora/world.h"

namespace TessoraTest {

constexpr float kGameStep = 0.038f;

inline void ApplyGameSettings(Tessora::World& world) {
  world.SetCFM(0.0f);
  world.SetAutoDisableFlag(false);
  world.SetAutoDisableLinearThreshold(0.25f);
  world.SetERP(0.2f);
  world.SetContactMaxCorrectingVel(1.0f);
  world.SetContactSurfaceLayer(0.01f);
  world.SetGravity(Tessora::Vec2(0.0f, 0.9f));
}

}  // namespace TessoraTest
