#include "render/fpscounter.h"

#include "render/fpsmeter.h"
#include <allegro.h>

namespace ol {
namespace {

FpsMeter meter;

}  // namespace

void FpsCounter::Start(float referenceFps) {
  meter.Start(referenceFps);
  install_int(Tick, 1);
}

void FpsCounter::Tick() { meter.Tick(); }

void FpsCounter::Pause() { meter.Pause(); }

float FpsCounter::CountFrame() { return meter.CountFrame(); }

float FpsCounter::GetFps() { return meter.MeasuredFps(); }

}  // namespace ol
