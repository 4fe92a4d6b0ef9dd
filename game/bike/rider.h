// The rag-doll rider: head, body, thigh, foot, upper arm, forearm and three
// strands of hair, hinged to one another and to the bike's chassis. Only the
// head touches the level; the other parts pass through everything and move
// through their joints and gravity. The parts live in the space, the joints
// in the physics world.
#pragma once

#include <array>

#include <ode/ode.h>

namespace Kest {

class Object;
class Space;
struct RiderPartPlan;

class Rider {
 public:
  enum Part { kHead, kBody, kThigh, kFoot, kUpperArm, kForearm, kPartCount };
  static constexpr int kHairPieces = 9;
  static constexpr int kLimbJoints = 7;

  explicit Rider(Space& space) : space_(space) {}
  Rider(const Rider&) = delete;
  Rider& operator=(const Rider&) = delete;

  // Seats the rider on the chassis, facing right (direction 0) or left (1),
  // turned with the chassis. The first call makes the parts and inserts
  // them into the space; later calls move and turn them. Either way every
  // joint is made anew.
  void Build(const Object& chassis, int direction);
  // Takes every part's motion away.
  void Stop();

  // Null before the first Build.
  Object* GetPart(Part part) const { return parts_[part]; }
  Object* GetHairPiece(int index) const { return hair_[index]; }

 private:
  class Frame;

  void DestroyJoints();
  void Place(Object*& part, const RiderPartPlan& plan, const Frame& frame);
  void BuildLimbs(const Object& chassis, const Frame& frame);
  void BuildHair(const Frame& frame);
  void MakeHeadSlider(const Object& chassis, const Frame& frame);
  dJointID Join(const Object& part, const Object& other, const Frame& frame, float anchorX,
                float anchorY, float limit);
  void FaceTextures(int direction);

  Space& space_;
  std::array<Object*, kPartCount> parts_{};
  std::array<Object*, kHairPieces> hair_{};
  // head-body, body-thigh, thigh-foot, foot-chassis, body-upper arm,
  // upper arm-forearm, forearm-chassis
  std::array<dJointID, kLimbJoints> limbJoints_{};
  dJointID headSlider_ = nullptr;
  std::array<dJointID, kHairPieces> hairJoints_{};
};

}  // namespace Kest
