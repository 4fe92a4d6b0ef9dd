// What the level tests share: a tick source the test fires by hand, a
// condition the test switches, a record of what the game deletes, and
// fresh event and timer managers whose event texts are journalled (a text
// may also run an action the test gave it) instead of run.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "game/level/condition.h"
#include "game/level/eventmanager.h"
#include "game/level/ticksource.h"
#include "game/level/timermanager.h"
#include "game/objects/deletionhook.h"

namespace LevelTest {

class ManualTicks : public Kest::TickSource {
 public:
  void Start(TickFunction tick) override { tick_ = tick; }
  void Stop() override { tick_ = nullptr; }
  // As if from the timer thread.
  void Fire(int count) {
    for (int i = 0; i < count && tick_; ++i) tick_();
  }
  bool IsRunning() const { return tick_ != nullptr; }

 private:
  TickFunction tick_ = nullptr;
};

// Holds while on; counts its tests and resets.
class Switch : public Kest::Condition {
 public:
  explicit Switch(bool on = true) : on(on) {}
  bool IsSatisfied(Kest::Object*) override { return ++asked, on; }
  void Reset() override { ++resets; }
  bool on;
  int asked = 0;
  int resets = 0;
};

class DeletionRecord {
 public:
  DeletionRecord() {
    deleted = &deleted_;
    Kest::SetDeletionListener([](const void* address) { deleted->insert(address); });
  }
  ~DeletionRecord() { Kest::SetDeletionListener(nullptr); }
  bool WasDeleted(const void* address) const { return deleted_.count(address) != 0; }

 private:
  static inline std::set<const void*>* deleted = nullptr;
  std::set<const void*> deleted_;
};

class LevelTest : public ::testing::Test {
 protected:
  LevelTest() {
    Kest::EventManager::Create();
    Events().SetTextRunner([this](const std::string& text) {
      if (textsLeftInPass == 0) return false;
      --textsLeftInPass;
      ran.push_back(text);
      if (actions.count(text)) actions[text]();
      return true;
    });
    Kest::TimerManager::Create();
    Timers().SetTickSource(std::unique_ptr<Kest::TickSource>(ticks));
  }
  // The timers go before the events their conditions belong to.
  ~LevelTest() override {
    Kest::TimerManager::Destroy();
    Kest::EventManager::Destroy();
  }

  Kest::EventManager& Events() { return *Kest::EventManager::GetInstance(); }
  Kest::TimerManager& Timers() { return *Kest::TimerManager::GetInstance(); }
  // Fires the ticks, runs them as the main loop does, then the events.
  void Play(int count) {
    ticks->Fire(count);
    Timers().RunPendingTicks();
    Events().Update();
  }

  std::vector<std::string> ran;
  // Texts run before the pass's budget is spent; the rest wait.
  int textsLeftInPass = -1;
  std::map<std::string, std::function<void()>> actions;
  ManualTicks* ticks = new ManualTicks;  // the timer manager owns it
};

}  // namespace LevelTest
