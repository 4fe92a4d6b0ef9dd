// The solver's defaults, except a gravity of 1 and stiff constraints (no
// constraint force mixing), so that motors and brakes hold to the letter.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tessora/dynamic.h"
#include "tessora/static.h"
#include "tessora/world.h"

namespace TessoraTest {

constexpr float kStep = 0.04f;

struct TestWorld {
  TestWorld() {
    world.SetGravity(Tessora::Vec2(0.0f, 1.0f));
    world.SetCFM(0.0f);
  }

  template <class T>
  std::unique_ptr<Tessora::Dynamic<T>> MakeDynamic(T* shape) {
    return std::make_unique<Tessora::Dynamic<T>>(shape, world.CreateBody());
  }

  // Collision pass and world step, as often as asked.
  void Advance(int steps, const std::vector<Tessora::Object*>& objects = {}) {
    for (int i = 0; i < steps; ++i) {
      world.CollideObjects(objects);
      world.Step(kStep);
    }
  }

  Tessora::World world;
};

class WorldTest : public ::testing::Test, public TestWorld {};

inline void ExpectNear(const Tessora::Vec2& actual, const Tessora::Vec2& expected, float tolerance = 1e-5f) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
}

}  // namespace TessoraTest
