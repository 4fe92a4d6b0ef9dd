// What the level tests share: a tick source the test fires by hand, a
// condition the test switches, event managers whose texts are journalled
// (a text may also run an action the test gave it), and a record of the
// conditions the game deletes.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/bike/bike.h"
#include "game/level/condition.h"
#include "game/level/eventmanager.h"
#include "game/level/ticksource.h"
#include "game/level/timermanager.h"
#include "tests/support/scene.h"

namespace LevelTest {

// Ticks come when the test fires them, as if from the timer thread.
class ManualTicks : public Kest::TickSource {
 public:
  void Start(TickFunction tick) override { tick_ = tick; }
  void Stop() override { tick_ = nullptr; }
  void Fire(int count) {
    for (int i = 0; i < count && tick_; ++i) tick_();
  }
  bool IsRunning() const { return tick_ != nullptr; }

 private:
  TickFunction tick_ = nullptr;
};

// Holds while its switch is on; counts its resets.
class Switch : public Kest::Condition {
 public:
  explicit Switch(bool on = true) : on(on) {}
  bool IsSatisfied(Kest::Object*) override {
    ++asked;
    return on;
  }
  void Reset() override { ++resets; }
  bool on;
  int asked = 0;
  int resets = 0;
};

// The addresses the game reported deleted while the record lived.
class DeletionRecord {
 public:
  DeletionRecord();
  ~DeletionRecord();
  bool WasDeleted(const void* address) const { return deleted_.count(address) != 0; }

 private:
  static void Note(const void* address);
  std::set<const void*> deleted_;
};

// A fresh event manager whose texts are journalled instead of run, and a
// timer manager over hand-fired ticks; play has not started.
class LevelManagers {
 public:
  LevelManagers();
  // The timers go before the events their conditions belong to.
  ~LevelManagers();
  LevelManagers(const LevelManagers&) = delete;
  LevelManagers& operator=(const LevelManagers&) = delete;

  Kest::EventManager& Events() { return *Kest::EventManager::GetInstance(); }
  Kest::TimerManager& Timers() { return *Kest::TimerManager::GetInstance(); }
  // Fires the ticks, runs them as the main loop does, then the events.
  void Play(int ticks);

  std::vector<std::string> ran;
  // Run when an event with that text fires, after it is journalled.
  std::map<std::string, std::function<void()>> actions;
  ManualTicks* ticks;  // the timer manager owns it
};

class LevelTest : public ::testing::Test, public LevelManagers {};

// The same around a bike in a level without a screen.
class BikeLevel : public TestSupport::Scene, public LevelManagers {
 protected:
  BikeLevel() : bike(Kest::Bike::Create(space)) {}
  // The events go first, as at a level load: the bike deletes the
  // observers still on it.
  ~BikeLevel() override {
    Events().Clear();
    Kest::Bike::Destroy();
  }
  // Physics steps as the main loop runs them: the bike's pre-step, the
  // collision pass and world step, the events, the bike's step (2 ms).
  void Step(int count);
  // A static block with its top-left corner at (x, y), in the space.
  Kest::Object* AddGround(float x, float y, float width, float height);

  Kest::Bike* bike;
};

}  // namespace LevelTest
