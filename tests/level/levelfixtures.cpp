#include "tests/level/levelfixtures.h"

#include <memory>

#include "game/objects/deletionhook.h"

namespace LevelTest {

namespace {
std::set<const void*>* deletions = nullptr;
}  // namespace

DeletionRecord::DeletionRecord() {
  deletions = &deleted_;
  Kest::SetDeletionListener([](const void* address) { deletions->insert(address); });
}

DeletionRecord::~DeletionRecord() { Kest::SetDeletionListener(nullptr); }

LevelManagers::LevelManagers() : ticks(new ManualTicks) {
  Kest::EventManager::Create();
  Events().SetTextRunner([this](const std::string& text) {
    ran.push_back(text);
    if (actions.count(text)) actions[text]();
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

}  // namespace LevelTest
