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
  for (std::size_t i = 0; i < timers_.size();) {
    if (!timers_[i]) {
      timers_.erase(timers_.begin() + static_cast<std::ptrdiff_t>(i));
      continue;
    }
    timers_[i]->Tick(remaining);
    ++i;
  }
}

void TimerManager::AddTimer(TimerCondition* timer) {
  if (timer) timers_.push_back(timer);
}

// A timer whose event was refused would count for nothing.
void TimerManager::AddTimer(TimeElapsedCondition* timer, const std::string& name) {
  if (!timer) return;
  if (!timer->HasEvent()) {
    delete timer;
    return;
  }
  timers_.push_back(timer);
  if (!name.empty()) names_.insert_or_assign(name, timer);
}

TimeElapsedCondition* TimerManager::FindTimer(const std::string& name) const {
  const auto entry = names_.find(name);
  return entry == names_.end() ? nullptr : entry->second;
}

void TimerManager::RemoveTimer(TimerCondition* timer) {
  const auto entry = std::find(timers_.begin(), timers_.end(), timer);
  if (!timer || entry == timers_.end()) return;
  const auto name = std::find_if(names_.begin(), names_.end(),
                                 [timer](const auto& named) { return named.second == timer; });
  if (name != names_.end()) names_.erase(name);
  *entry = nullptr;
  delete timer;
}

void TimerManager::ClearTimers() {
  std::vector<TimerCondition*> timers;
  timers.swap(timers_);
  names_.clear();
  for (TimerCondition* timer : timers) delete timer;
}

int TimerManager::GetTimerCount() const {
  return static_cast<int>(timers_.size() - std::count(timers_.begin(), timers_.end(), nullptr));
}

void TimerManager::SetTickSource(std::unique_ptr<TickSource> source) {
  source_->Stop();
  if (source) source_ = std::move(source);
}

}  // namespace Kest
