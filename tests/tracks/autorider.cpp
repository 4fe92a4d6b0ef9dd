#include "tests/tracks/autorider.h"

#include <allegro.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "game/bike/bike.h"
#include "game/bike/bikeparts.h"
#include "game/objects/block.h"

namespace TrackTest {

namespace {

constexpr int kLeanCooldown = 340;
constexpr float kDegrees = 57.29578f;

struct BikeState {
  Tessora::Vec2 position;
  float vx = 0, vy = 0;
  float pitch = 0;  // degrees, nose up positive (facing right)
  float spin = 0;   // degrees a time unit, nose up positive
};

BikeState ReadBike() {
  const Kest::Bike& bike = *Kest::Bike::GetInstance();
  const dBodyID chassis = Kest::BodyOf(*bike.GetChassis());
  const dReal* r = dBodyGetRotation(chassis);
  const dReal* v = dBodyGetLinearVel(chassis);
  const dReal* w = dBodyGetAngularVel(chassis);
  BikeState s;
  s.position = bike.GetPosition();
  s.vx = v[0];
  s.vy = v[1];
  s.pitch = -std::atan2(r[4], r[0]) * kDegrees;
  s.spin = -w[2] * kDegrees;
  return s;
}

}  // namespace

std::vector<PlanSection> LoadPlan(const std::string& path, std::string& error) {
  std::vector<PlanSection> plan;
  std::ifstream in(path);
  if (!in) error = "cannot read " + path;
  for (std::string line; std::getline(in, line);) {
    line = line.substr(0, line.find('#'));
    std::istringstream words(line);
    PlanSection s;
    if (!(words >> s.fromX >> s.speed >> s.pitch)) continue;
    for (std::string option; words >> option;) {
      s.brake |= option == "brake";
      s.still |= option == "still";
      s.flat |= option == "flat";
      s.turn |= option == "turn";
    }
    plan.push_back(s);
  }
  if (plan.empty() && error.empty()) error = path + " has no section";
  return plan;
}

const PlanSection& AutoRider::SectionAt(float x) const {
  const PlanSection* at = &plan_.front();
  for (const PlanSection& s : plan_)
    if (x >= s.fromX) at = &s;
  return *at;
}

std::string AutoRider::State() {
  const BikeState s = ReadBike();
  char text[128];
  std::snprintf(text, sizeof text, "vx %6.2f vy %6.2f pitch %7.1f spin %7.1f", s.vx, s.vy,
                s.pitch, s.spin);
  return text;
}

void AutoRider::Append(RideKeys& keys, bool throttle, bool brake, int press) {
  if (!keys.runs.empty() && !press) {
    KeyRun& last = keys.runs.back();
    if (last.throttle == throttle && last.brake == brake) {
      ++last.steps;
      return;
    }
  }
  KeyRun run;
  run.steps = 1;
  run.throttle = throttle;
  run.brake = brake;
  run.press = press;
  keys.runs.push_back(run);
}

// The pace comes from the throttle and the brake; the pitch from the leans,
// which push for a moment and then rest, so each is timed by where the
// pitch is heading a little ahead.
void AutoRider::Steer(int step, RideKeys& keys) {
  const BikeState s = ReadBike();
  const PlanSection& section = SectionAt(s.position.x);
  const int way = Kest::Bike::GetInstance()->GetDirection() == 0 ? 1 : -1;
  int press = 0;
  if (section.turn && turned_ != &section) {
    turned_ = &section;
    press = KEY_SPACE;
  }
  if (section.still) {
    Append(keys, false, false, press);
    return;
  }
  const float pace = s.vx * way;
  // The bike should lie along its path: the ground's slope while it rolls,
  // the slope it will land on while it flies. A bike that hardly moves
  // lies along the ground it stands on.
  const float path = pace > 3.0f ? -std::atan2(s.vy, pace) * kDegrees : s.pitch * way;
  const float wanted = section.pitch + std::fmax(-40.0f, std::fmin(40.0f, path));
  const float ahead = s.pitch * way + s.spin * way * lookAhead_;
  const float error = ahead - wanted;
  const bool tooHigh = error > 12.0f;
  const bool tooLow = error < -12.0f;
  // Some slack around the pace: the throttle is held in runs, as a rider
  // holds it, not flicked every step.
  const float slack = throttling_ ? 1.0f : -1.0f;
  bool throttle = pace < section.speed + slack && !(s.pitch * way - wanted > 20.0f);
  throttling_ = throttle;
  bool brake = section.brake && pace > section.speed + 1.0f;
  // The bike settles on the ground first: no leaning while it lands at the
  // start.
  constexpr int kSettleSteps = 400;
  if (!press && !section.flat && step > kSettleSteps) {
    // Leaning toward the front pushes the nose down; the arrows follow the
    // screen, so facing left they swap.
    const int forward = way > 0 ? KEY_RIGHT : KEY_LEFT;
    const int back = way > 0 ? KEY_LEFT : KEY_RIGHT;
    if (tooHigh && step - leanForwardAt_ >= kLeanCooldown) {
      press = forward;
      leanForwardAt_ = step;
    } else if (tooLow && step - leanBackAt_ >= kLeanCooldown) {
      press = back;
      leanBackAt_ = step;
    }
  }
  Append(keys, throttle, brake && !throttle, press);
}

}  // namespace TrackTest
