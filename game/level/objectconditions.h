// Conditions on where the event's object is: its centre past a threshold on
// one axis, or inside a box. Every comparison is strict, so an object
// standing exactly on a threshold or an edge does not count. Without an
// object they test the origin.
#pragma once

#include "game/level/condition.h"

namespace Kest {

class ConditionObjectThreshold : public Condition {
 public:
  bool IsSatisfied(Object* argument) override;
  bool ReadsArgument() const override { return true; }

 protected:
  enum Axis { kX, kY };
  // The console line is written each time the condition holds.
  ConditionObjectThreshold(float threshold, Axis axis, bool greater, const char* consoleLine)
      : threshold_(threshold), axis_(axis), greater_(greater), consoleLine_(consoleLine) {}

 private:
  float threshold_;
  Axis axis_;
  bool greater_;
  const char* consoleLine_;
};

class ConditionObjectXGreater : public ConditionObjectThreshold {
 public:
  explicit ConditionObjectXGreater(float x)
      : ConditionObjectThreshold(x, kX, true, "Event X greater") {}
};

class ConditionObjectXLess : public ConditionObjectThreshold {
 public:
  explicit ConditionObjectXLess(float x) : ConditionObjectThreshold(x, kX, false, "Event X less") {}
};

class ConditionObjectYGreater : public ConditionObjectThreshold {
 public:
  explicit ConditionObjectYGreater(float y)
      : ConditionObjectThreshold(y, kY, true, "Event Y greater") {}
};

class ConditionObjectYLess : public ConditionObjectThreshold {
 public:
  explicit ConditionObjectYLess(float y) : ConditionObjectThreshold(y, kY, false, "Event Y less") {}
};

// Holds while x1 < centre x < x2 and y1 < centre y < y2.
class ConditionObjectBox : public Condition {
 public:
  ConditionObjectBox(float x1, float y1, float x2, float y2) : x1_(x1), y1_(y1), x2_(x2), y2_(y2) {}
  bool IsSatisfied(Object* argument) override;
  bool ReadsArgument() const override { return true; }

 private:
  float x1_, y1_, x2_, y2_;
};

}  // namespace Kest
