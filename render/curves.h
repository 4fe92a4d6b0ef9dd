// Angles for drawing curves (radians) and the step between a curve's points.
#pragma once

namespace ol {

// The angle between the points of a curve of a given radius: finer for
// larger radii, never coarser than 0.35 pi, and never so fine that a huge
// radius makes millions of points. accuracy scales the step (the game uses
// 0.5). Radii of 1 or less, for which the chord formula has no answer, take
// the coarsest step.
float SegmentStep(float radius, float accuracy);

constexpr float MAX_SEGMENT_STEP = 1.0995574287564276f;  // 0.35 pi
constexpr float MIN_SEGMENT_STEP = 6.283185307179586f / 1024.0f;
constexpr float TWO_PI = 6.283185307179586f;
constexpr float HALF_PI = 1.5707963267948966f;
constexpr float PI = 3.141592653589793f;
constexpr float DEGREES_PER_RADIAN = 57.29577951308232f;

}  // namespace ol
