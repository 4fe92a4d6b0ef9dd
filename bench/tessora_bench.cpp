// One physics step of the game: the collision pass plus the world step.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "game/app/app.h"
#include "game/app/mainloop.h"
#include "tessora/dynamic.h"
#include "tessora/static.h"
#include "tessora/world.h"

namespace {

using Tessora::Vec2;

// A world set up as the game sets up every level, with its objects in
// draw order.
class Scene {
 public:
  Scene() {
    Kest::ApplyGameSettings(world_);
  }
  ~Scene() { objects_.clear(); }

  template <class T>
  Tessora::Object* AddStatic(T* shape) {
    return Keep(std::make_unique<Tessora::Static<T>>(shape));
  }

  template <class T>
  Tessora::Object* AddDynamic(T* shape) {
    return Keep(std::make_unique<Tessora::Dynamic<T>>(shape, world_.CreateBody()));
  }

  Tessora::World& World() { return world_; }

  void Simulate() {
    world_.CollideObjects(drawList_);
    world_.Step(Kest::MainLoop::kStepLength);
  }

 private:
  Tessora::Object* Keep(std::unique_ptr<Tessora::Object> object) {
    drawList_.push_back(object.get());
    objects_.push_back(std::move(object));
    return drawList_.back();
  }

  Tessora::World world_;
  std::vector<std::unique_ptr<Tessora::Object>> objects_;
  std::vector<Tessora::Object*> drawList_;
};

// 50 blocks side by side make the floor; 500 circles rest on them.
void BuildRestingCircles(Scene& scene) {
  for (int i = 0; i < 50; ++i) scene.AddStatic(new Tessora::Block(Vec2(i * 100.0f + 50, 310), 100, 20));
  for (int i = 0; i < 500; ++i) scene.AddDynamic(new Tessora::Circle(Vec2(i * 10.0f + 5, 296), 4));
  for (int i = 0; i < 300; ++i) scene.Simulate();
}

// A hinged chain of small blocks, each turning at most 0.3 rad against the
// one before, the first hinged to the given object.
void AddLimb(Scene& scene, Tessora::Object* root, Vec2 start, int links) {
  Tessora::Object* previous = root;
  for (int i = 0; i < links; ++i) {
    const Vec2 centre = start + Vec2(0, -10.0f * i - 5);
    Tessora::Object* link = scene.AddDynamic(new Tessora::Block(centre, 4, 10));
    link->surface.collisionMask = 0;
    link->SetMass(0.2f);
    dJointID hinge = scene.World().CreateHinge(link, previous, centre + Vec2(0, 5), 0, 0.2f);
    dJointSetHingeParam(hinge, dParamLoStop, -0.3f);
    dJointSetHingeParam(hinge, dParamHiStop, 0.3f);
    previous = link;
  }
}

// 30 bodies, 20 joints: two wheels braked against a chassis, a drive motor,
// a rider of 15 hinged parts, and 12 loose balls on a floor of 20 blocks.
void BuildBike(Scene& scene) {
  for (int i = 0; i < 20; ++i) scene.AddStatic(new Tessora::Block(Vec2(i * 100.0f - 500, 160), 100, 20));
  Tessora::Object* rear = scene.AddDynamic(new Tessora::Circle(Vec2(-50, 120), 30));
  Tessora::Object* front = scene.AddDynamic(new Tessora::Circle(Vec2(50, 120), 30));
  Tessora::Object* chassis = scene.AddDynamic(new Tessora::Block(Vec2(0, 120), 100, 4));
  chassis->surface.collisionMask = 0;
  rear->SetMass(2.0f);
  front->SetMass(2.0f);
  chassis->SetMass(1.5f);
  scene.World().CreateHinge(rear, chassis, Vec2(-50, 120), 10000.0f, 0.2f);
  scene.World().CreateHinge(front, chassis, Vec2(50, 120), 10000.0f, 0.2f);
  Tessora::SetMotorSpeed(scene.World().CreateMotor(rear), 0.5f);
  AddLimb(scene, chassis, Vec2(-10, 118), 8);
  AddLimb(scene, chassis, Vec2(10, 118), 7);
  for (int i = 0; i < 12; ++i) scene.AddDynamic(new Tessora::Circle(Vec2(150.0f + i * 30, 135), 10));
}

// 4,000 circles and blocks of about 16 units dropped at random into one
// 40 by 40 square above a floor, as a level script could: nearly every
// pair overlaps.
void BuildPile(Scene& scene) {
  scene.AddStatic(new Tessora::Block(Vec2(400, 510), 800, 20));
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> spot(380, 420);
  for (int i = 0; i < 4000; ++i) {
    const Vec2 centre(spot(rng), spot(rng) - 100);
    if (i % 2) {
      scene.AddDynamic(new Tessora::Block(centre, 16, 16));
    } else {
      scene.AddDynamic(new Tessora::Circle(centre, 8));
    }
  }
}

void BM_RestingCircles(benchmark::State& state) {
  Scene scene;
  BuildRestingCircles(scene);
  for (auto _ : state) scene.Simulate();
}
BENCHMARK(BM_RestingCircles)->Unit(benchmark::kMicrosecond);

void BM_Bike(benchmark::State& state) {
  Scene scene;
  BuildBike(scene);
  for (auto _ : state) scene.Simulate();
}
BENCHMARK(BM_Bike)->Unit(benchmark::kMicrosecond);

// The first steps of the pile, while it is still heaped up. The collision
// pass's caps bound them: without, a step took 50 s and 2.8 GB (millions of
// contact joints); with them, under 25 ms and 16 MB, mostly the world step.
void BM_Pile(benchmark::State& state) {
  Scene scene;
  BuildPile(scene);
  for (auto _ : state) scene.Simulate();
}
BENCHMARK(BM_Pile)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
