#include "tests/level/levelfixtures.h"

#include <memory>

#include "game/objects/block.h"
#include "game/objects/deletionhook.h"

namespace LevelTest {

namespace {
DeletionRecord* record = nullptr;
}  // namespace

DeletionRecord::DeletionRecord() {
  record = this;
  Kest::SetDeletionListener(&Note);
}

DeletionRecord::~DeletionRecord() {
  Kest::SetDeletionListener(nullptr);
  record = nullptr;
}

void DeletionRecord::Note(const void* address) {
  if (record) record->deleted_.insert(address);
}

LevelManagers::LevelManagers() : ticks(new ManualTicks) {
  Kest::EventManager::Create();
  Events().SetTextRunner([this](const std::string& text) {
    ran.push_back(text);
    const auto action = actions.find(text);
    if (action != actions.end()) action->second();
  });
  Kest::TimerManager::Create();
  Timers().SetTickSource(std::unique_ptr<Kest::TickSource>(ticks));
}

LevelManagers::~LevelManagers() {
  Kest::TimerManager::Destroy();
  Kest::EventManager::Destroy();
}

void LevelManagers::Play(int count) {
  ticks->Fire(count);
  Timers().RunPendingTicks();
  Events().Update();
}

void BikeLevel::Step(int count) {
  for (int i = 0; i < count; ++i) {
    bike->PreStep();
    Scene::Step();
    Events().Update();
    bike->Step(2.0f);
  }
}

Kest::Object* BikeLevel::AddGround(float x, float y, float width, float height) {
  auto* ground = new Kest::Block(x, y, width, height, "", false);
  space.Insert(ground);
  return ground;
}

}  // namespace LevelTest
