#include "render/curves.h"

#include <algorithm>
#include <cmath>

namespace ol {

float SegmentStep(float radius, float accuracy) {
  if (radius <= 1.0f) return MAX_SEGMENT_STEP;
  const float step = 2.0f * std::asin(1.0f / radius) / accuracy;
  if (!(step > MIN_SEGMENT_STEP)) return MIN_SEGMENT_STEP;  // also a NaN step
  return std::min(step, MAX_SEGMENT_STEP);
}

}  // namespace ol
