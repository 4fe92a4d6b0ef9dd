// One physics step of the bike and rider on a ground block, as the main
// loop runs it: the bike's PreStep, the collision pass over the bike's
// objects and the ground, the world step, and the bike's Step.
#include <benchmark/benchmark.h>

#include <vector>

#include "game/app/app.h"
#include "game/bike/bike.h"
#include "game/objects/block.h"
#include "game/objects/bodyobject.h"
#include "game/app/mainloop.h"
#include "game/objects/resourcemanager.h"
#include "game/objects/space.h"
#include "tessora/world.h"

namespace {

constexpr float kStepMs = 2.0f;

class BikeOnGround {
 public:
  BikeOnGround() {
    Kest::ApplyGameSettings(world_);
    Kest::SetPhysicsWorld(&world_);
    Kest::ResourceManager::Create();
    space_.Insert(new Kest::Block(-2000.0f, 200.0f, 8000.0f, 40.0f, "", false));
    bike_ = Kest::Bike::Create(space_);
    bike_->MoveTo(0.0f, 160.0f);
    for (Kest::Object* object : space_) candidates_.push_back(object->GetBody());
  }
  ~BikeOnGround() {
    Kest::Bike::Destroy();
    space_.Clear();
    Kest::ResourceManager::Destroy();
    Kest::SetPhysicsWorld(nullptr);
  }

  void Step() {
    bike_->PreStep();
    world_.CollideObjects(candidates_);
    world_.Step(Kest::MainLoop::kStepLength);
    bike_->Step(kStepMs);
  }

  Kest::Bike& Bike() { return *bike_; }

 private:
  Tessora::World world_;
  Kest::Space space_;
  Kest::Bike* bike_ = nullptr;
  std::vector<Tessora::Object*> candidates_;
};

// Standing idle after landing.
void BM_BikeStepResting(benchmark::State& state) {
  BikeOnGround scene;
  for (int i = 0; i < 500; ++i) scene.Step();
  for (auto _ : state) scene.Step();
}
BENCHMARK(BM_BikeStepResting)->Unit(benchmark::kMicrosecond);

// Under throttle, set back on its wheels every 500 steps before it can
// loop over.
void BM_BikeStepRiding(benchmark::State& state) {
  BikeOnGround scene;
  for (int i = 0; i < 500; ++i) scene.Step();
  scene.Bike().SetThrottle(Kest::Bike::kAccelerate);
  int steps = 0;
  for (auto _ : state) {
    if (++steps % 500 == 0) scene.Bike().MoveTo(0.0f, 160.0f);
    scene.Step();
  }
}
BENCHMARK(BM_BikeStepRiding)->Unit(benchmark::kMicrosecond);

}  // namespace
