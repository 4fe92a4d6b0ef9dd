#include "game/level/ticksource.h"

#include <allegro.h>

#include "game/utility/utility.h"

namespace Kest {

namespace {
constexpr int kTickMilliseconds = 10;
}  // namespace

void AllegroTickSource::Start(TickFunction tick) {
  Stop();
  if (install_int(tick, kTickMilliseconds) != 0) {
    Log("The level time cannot run: no timer callback");
    return;
  }
  tick_ = tick;
}

void AllegroTickSource::Stop() {
  if (!tick_) return;
  remove_int(tick_);
  tick_ = nullptr;
}

}  // namespace Kest
