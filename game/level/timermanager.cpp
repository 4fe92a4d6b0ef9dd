#include "game/level/timermanager.h"

#include <algorithm>
#include <atomic>
#include <limits>

#include "game/level/eventmanager.h"
#include "game/level/timeelapsed.h"
#include "game/screens/debugconsole.h"

namespace Kest {

namespace {

std::unique_ptr<TimerManager> instance;
// Main thread only.
unsigned remainingTicks = 0;
// The one thing the tick source's thread touches.
std::atomic<unsigned> pendingTicks{0};

void CountTick() { pendingTicks.fetch_add(1, std::memory_order_relaxed); }

}  // namespace

void TimeUpCondition::Tick(unsigned remaining) {
  if (remaining != 0) return;
  DebugConsole::Log("Time is up!");
  if (EventManager* events = EventManager::GetInstance()) events->OnTimeUp();
}

void TimerManager::Create() {
  Destroy();
  instance.reset(new TimerManager());
}

void TimerManager::Destroy() { instance.reset(); }

TimerManager* TimerManager::GetInstance() { return instance.get(); }

TimerManager::TimerManager() : source_(new AllegroTickSource()) {}

TimerManager::~TimerManager() { Stop(); }

unsigned TimerManager::GetRemainingTicks() { return remainingTicks; }

unsigned TimerManager::TicksFromSeconds(int seconds) {
  constexpr unsigned kMostSeconds = std::numeric_limits<unsigned>::max() / kTicksPerSecond;
  return std::min(static_cast<unsigned>(std::max(seconds, 0)), kMostSeconds) * kTicksPerSecond;
}

// Ticks counted before this play belong to no one.
void TimerManager::Start() {
  source_->Stop();
  remainingTicks = levelTime_;
  pendingTicks = 0;
  AddTimer(new TimeUpCondition());
  source_->Start(&CountTick);
}

void TimerManager::Stop() {
  source_->Stop();
  pendingTicks = 0;
  ClearTimers();
}

void TimerManager::RunPendingTicks() {
  for (unsigned ticks = pendingTicks.exchange(0); ticks > 0; --ticks) OnTick();
}

// Once the level time is out, nothing counts any more.
void TimerManager::OnTick() {
  if (remainingTicks == 0) return;
  --remainingTicks;
  TickAll(remainingTicks);
}

void TimerManager::TickAll(unsigned remaining) {
  for (auto node = timers_.begin(); node != timers_.end();) {
    if (!*node) {
      node = timers_.erase(node);
      continue;
    }
    (*node)->Tick(remaining);
    ++node;
  }
}

void TimerManager::AddTimer(TimerCondition* timer) {
  if (!timer || places_.count(timer)) return;
  places_[timer] = Place{timers_.insert(timers_.end(), timer), names_.end()};
}

// A timer whose event was refused would count for nothing. A name taken
// over is no longer the earlier timer's.
void TimerManager::AddTimer(TimeElapsedCondition* timer, const std::string& name) {
  if (!timer) return;
  if (!timer->HasEvent()) {
    delete timer;
    return;
  }
  AddTimer(static_cast<TimerCondition*>(timer));
  if (name.empty()) return;
  auto named = names_.find(name);
  if (named == names_.end()) {
    named = names_.emplace(name, timer).first;
  } else {
    places_.at(named->second).name = names_.end();
    named->second = timer;
  }
  places_.at(timer).name = named;
}

TimeElapsedCondition* TimerManager::FindTimer(const std::string& name) const {
  const auto entry = names_.find(name);
  return entry == names_.end() ? nullptr : entry->second;
}

void TimerManager::RemoveTimer(TimerCondition* timer) {
  const auto place = places_.find(timer);
  if (place == places_.end()) return;
  if (place->second.name != names_.end()) names_.erase(place->second.name);
  *place->second.node = nullptr;
  places_.erase(place);
  delete timer;
}

void TimerManager::ClearTimers() {
  std::list<TimerCondition*> timers;
  timers.swap(timers_);
  places_.clear();
  names_.clear();
  for (TimerCondition* timer : timers) delete timer;
}

int TimerManager::GetTimerCount() const { return static_cast<int>(places_.size()); }

void TimerManager::SetTickSource(std::unique_ptr<TickSource> source) {
  source_->Stop();
  if (source) source_ = std::move(source);
}

}  // namespace Kest
