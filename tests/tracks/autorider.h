// A steering controller for finding a track's keys: it reads the bike after
// each physics step and chooses the keys of the next one from a plan of
// track sections, then the keys it chose are written out as a recorded ride.
// Only the tool uses it; the tests replay the recorded keys.
//
// A plan has one section a line, from the x where it begins:
//
//   <from x> <speed> <pitch> [options]
//
// speed is the wanted pace (pixels a solver time unit), pitch the wanted
// angle of the bike in degrees (positive: nose up) over the slope of its
// path. Options: "brake" brakes
// above the pace instead of rolling, "still" holds no key at all, "flat"
// never leans, "turn" turns the bike around once.
#pragma once

#include <string>
#include <vector>

#include "tests/tracks/ridekeys.h"
#include "tessora/vec2.h"

namespace TrackTest {

struct PlanSection {
  float fromX = 0.0f;
  float speed = 0.0f;
  float pitch = 0.0f;
  bool brake = false;
  bool still = false;
  bool flat = false;
  bool turn = false;
};

std::vector<PlanSection> LoadPlan(const std::string& path, std::string& error);

class AutoRider {
 public:
  // lookAhead: how far ahead (solver time units) the pitch is judged.
  AutoRider(std::vector<PlanSection> plan, float lookAhead)
      : plan_(std::move(plan)), lookAhead_(lookAhead) {}

  // After each step: appends the keys for the next step to the ride.
  void Steer(int step, RideKeys& keys);
  // Prints the bike's state on the same line as a progress report.
  static std::string State();

 private:
  const PlanSection& SectionAt(float x) const;
  void Append(RideKeys& keys, bool throttle, bool brake, int press);

  std::vector<PlanSection> plan_;
  float lookAhead_;
  const PlanSection* turned_ = nullptr;
  bool throttling_ = false;
  int leanBackAt_ = -1000;
  int leanForwardAt_ = -1000;
};

}  // namespace TrackTest
