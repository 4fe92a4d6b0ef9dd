#include "tests/levels/ridegame.h"

#include <algorithm>
#include <memory>

#include "game/app/mainloop.h"
#include "game/bike/bike.h"
#include "game/level/level.h"
#include "game/level/ticksource.h"
#include "game/level/timermanager.h"

namespace LevelsTest {

namespace {

class ClockTicks : public Kest::TickSource {
 public:
  void Start(TickFunction tick) override { tick_ = tick; }
  void Stop() override { tick_ = nullptr; }
  void Fire() {
    if (tick_) tick_();
  }

 private:
  TickFunction tick_ = nullptr;
};

}  // namespace

RideGame::RideGame(const std::string& level, std::vector<int> keys, Hands hands)
    : keys_(std::move(keys)), hands_(hands), nextRepeat_(hands.delayMs) {
  Kest::Level::GetInstance()->Load(level, true);
}

void RideGame::Ride(std::uint32_t mostMs) {
  mostMs_ = mostMs;
  auto* ticks = new ClockTicks;
  Kest::TimerManager::GetInstance()->SetTickSource(std::unique_ptr<Kest::TickSource>(ticks));
  Kest::MainLoop loop(*this, [this] { return now_; }, 0, ol::Vec2(400.0f, 300.0f),
                      [this, ticks](std::uint32_t ms) {
                        for (std::uint32_t end = now_ + ms; now_ != end;) {
                          if (++now_ % 10 == 0) ticks->Fire();
                        }
                      });
  loop.Run();
}

bool RideGame::IsRunning() {
  if (const Kest::Bike* bike = Kest::Bike::GetInstance()) {
    furthestX = std::max(furthestX, bike->GetPosition().x);
  }
  if (!playing_ && !Kest::Level::GetInstance()->IsWaiting()) {
    playing_ = true;
    playStart_ = now_;
  }
  playedMs_ = playing_ ? now_ - playStart_ : 0;
  return finishes == 0 && playedMs_ < mostMs_;
}

void RideGame::RestartLevel() {
  ++restarts;
  RunningGame::RestartLevel();
}

void RideGame::FinishLevel() {
  ++finishes;
  remainingAtFinish = Kest::TimerManager::GetRemainingTicks();
}

bool RideGame::HandleGameKeys() {
  if (playedMs_ >= nextRepeat_) {
    presses_ = keys_;
    nextRepeat_ = playedMs_ + hands_.repeatMs;
  }
  return Kest::HandleGameKeys(*this, *this);
}

bool RideGame::IsHeld(int scancode) {
  return playedMs_ >= hands_.delayMs &&
         std::find(keys_.begin(), keys_.end(), scancode) != keys_.end();
}

int RideGame::ReadKey() {
  const int scancode = presses_.front();
  presses_.erase(presses_.begin());
  return scancode << 8;
}

}  // namespace LevelsTest
