#include "game/bike/rider.h"

#include <cmath>

#include "game/bike/bikeparts.h"
#include "game/objects/block.h"
#include "game/objects/bodyobject.h"
#include "game/objects/circle.h"
#include "game/objects/space.h"
#include "game/utility/utility.h"
#include "tessora/world.h"

namespace Kest {

// Offsets are given for a rider facing right; facing left mirrors them
// across the chassis's vertical axis. Angles are degrees.
struct RiderPartPlan {
  const char* image;
  bool round;  // a circle of radius `width`, else a width x height block
  float width;
  float height;
  float x;
  float y;
  float angleRight;
  float angleLeft;
  float density;
  bool touchesLevel;
  int depth;
};

namespace {

constexpr int kChassis = -1;
constexpr float kJointErp = 0.2f;

const RiderPartPlan kPartPlans[Rider::kPartCount] = {
    {"res\\head.png", true, 20, 0, 0, -125, 0, 0, 1.0f, true, -100},
    {"res\\body.png", false, 60, 20, -11, -77, 290, 250, 0.2f, false, 0},
    {"res\\thigh.png", false, 30, 4, -11, -39, 45, 135, 0.2f, false, 0},
    {"res\\foot.png", false, 30, 4, -5, -14, 280, 260, 0.2f, false, 0},
    {"res\\thigh.png", false, 30, 2, -5, -91, 280, 260, 0.2f, false, 0},
    {"res\\thigh.png", false, 30, 2, 3, -70, 30, 150, 0.2f, false, 0},
};

// Each joint is made right after its part is placed; `other` was placed
// before it (or is the chassis). Limits are radians either way.
struct LimbJointPlan {
  Rider::Part part;
  int other;
  float anchorX;
  float anchorY;
  float limit;
};

const LimbJointPlan kLimbJointPlans[Rider::kLimbJoints] = {
    {Rider::kBody, Rider::kHead, 0, -105, 0.3f},
    {Rider::kThigh, Rider::kBody, -21, -49, 0.3f},
    {Rider::kFoot, Rider::kThigh, 0, -28, 0.3f},
    {Rider::kFoot, kChassis, -10, 0, 0.1f},
    {Rider::kUpperArm, Rider::kBody, 0, -105, 0.44f},
    {Rider::kForearm, Rider::kUpperArm, -10, -77, 0.44f},
    {Rider::kForearm, kChassis, 16, -62, 0.44f},
};

// Piece k (from 1) of a strand hangs from the head (k = 1) or from piece
// k - 1; the pieces zigzag, so odd and even pieces lean opposite ways.
struct HairPlan {
  RiderPartPlan piece;
  float anchorX;
  float anchorY;
  float limit;
  bool hangsFromHead;
};

constexpr HairPlan Hair(int k, float x, float y, float anchorX, float anchorY, float limit = 0.1f) {
  constexpr const char* kImages[] = {"res\\hair.png", "res\\hair2.png", "res\\hair3.png",
                                     "res\\hair4.png"};
  const bool odd = k % 2 == 1;
  return HairPlan{{kImages[k - 1], false, 10, 4, x, y, odd ? 45.0f : 315.0f, odd ? 135.0f : 225.0f,
                   0.01f, false, -99},
                  anchorX, anchorY, limit, k == 1};
}

const HairPlan kHairPlans[Rider::kHairPieces] = {
    Hair(1, -23, -155, -18, -151), Hair(2, -30, -155, -25, -158, 0.05f),
    Hair(3, -37, -155, -32, -151), Hair(4, -44, -155, -39, -158),
    Hair(1, -26, -147, -22, -143), Hair(2, -33, -147, -29, -150),
    Hair(3, -40, -147, -36, -143),
    Hair(1, -29, -139, -24, -143), Hair(2, -36, -139, -31, -150),
};

Object* MakePart(const RiderPartPlan& plan) {
  if (plan.round) return new Circle(0, 0, plan.width, plan.image, true);
  return new Block(0, 0, plan.width, plan.height, plan.image, true);
}

void DestroyJoint(dJointID& joint) {
  if (!joint) return;
  dJointAttach(joint, nullptr, nullptr);
  dJointDestroy(joint);
  joint = nullptr;
}

}  // namespace

// The chassis's place and turn, which every part and anchor follows.
class Rider::Frame {
 public:
  Frame(const Object& chassis, int direction)
      : centre_(PositionOf(chassis)),
        rotation_(dBodyGetRotation(BodyOf(chassis))),
        degrees_(std::atan2(rotation_[1], rotation_[0]) * 57.2957764f),
        facingLeft_(direction != 0) {}

  Tessora::Vec2 Place(float x, float y) const {
    const ol::Vec2 offset(facingLeft_ ? -x : x, y);
    const ol::Vec2 turned = degrees_ == 0.0f ? offset : RotatePoint(offset, rotation_);
    return centre_ + Tessora::Vec2(turned.x, turned.y);
  }
  float Angle(const RiderPartPlan& plan) const {
    return (facingLeft_ ? plan.angleLeft : plan.angleRight) - degrees_;
  }
  // The chassis's own y axis: the head slides along it.
  void YAxis(dReal axis[3]) const {
    axis[0] = rotation_[1];
    axis[1] = rotation_[5];
    axis[2] = rotation_[9];
  }

 private:
  Tessora::Vec2 centre_;
  const dReal* rotation_;
  float degrees_;
  bool facingLeft_;
};

void Rider::Build(const Object& chassis, int direction) {
  DestroyJoints();
  const Frame frame(chassis, direction);
  BuildLimbs(chassis, frame);
  BuildHair(frame);
  FaceTextures(direction);
}

void Rider::DestroyJoints() {
  for (dJointID& joint : limbJoints_) DestroyJoint(joint);
  DestroyJoint(headSlider_);
  for (dJointID& joint : hairJoints_) DestroyJoint(joint);
}

void Rider::Place(Object*& part, const RiderPartPlan& plan, const Frame& frame) {
  const Tessora::Vec2 position = frame.Place(plan.x, plan.y);
  const float angle = frame.Angle(plan);
  if (part) {
    part->GetBody()->SetPosition(position);
    part->GetBody()->SetAngle(angle);
    return;
  }
  part = MakePart(plan);
  part->GetBody()->SetAngle(angle);
  if (!plan.touchesLevel) part->SetCollisionMask(0);
  part->SetMass(plan.density);
  part->GetBody()->SetPosition(position);
  space_.Insert(part, plan.depth);
}

void Rider::BuildLimbs(const Object& chassis, const Frame& frame) {
  int joint = 0;
  for (int part = 0; part < kPartCount; ++part) {
    Place(parts_[part], kPartPlans[part], frame);
    if (part == kHead) MakeHeadSlider(chassis, frame);
    for (; joint < kLimbJoints && kLimbJointPlans[joint].part == part; ++joint) {
      const LimbJointPlan& plan = kLimbJointPlans[joint];
      const Object& other = plan.other == kChassis ? chassis : *parts_[plan.other];
      limbJoints_[joint] =
          Join(*parts_[part], other, frame, plan.anchorX, plan.anchorY, plan.limit);
    }
  }
}

void Rider::BuildHair(const Frame& frame) {
  for (int piece = 0; piece < kHairPieces; ++piece) {
    const HairPlan& plan = kHairPlans[piece];
    Place(hair_[piece], plan.piece, frame);
    const Object& holder = plan.hangsFromHead ? *parts_[kHead] : *hair_[piece - 1];
    hairJoints_[piece] = Join(*hair_[piece], holder, frame, plan.anchorX, plan.anchorY, plan.limit);
  }
}

void Rider::MakeHeadSlider(const Object& chassis, const Frame& frame) {
  headSlider_ = dJointCreateSlider(GetPhysicsWorld().GetWorldID(), nullptr);
  dJointAttach(headSlider_, BodyOf(*parts_[kHead]), BodyOf(chassis));
  dReal axis[3];
  frame.YAxis(axis);
  dJointSetSliderAxis(headSlider_, axis[0], axis[1], axis[2]);
  dJointSetSliderParam(headSlider_, dParamLoStop, -20.0f);
  dJointSetSliderParam(headSlider_, dParamHiStop, 10.0f);
  dJointSetSliderParam(headSlider_, dParamBounce, 0.4f);
}

dJointID Rider::Join(const Object& part, const Object& other, const Frame& frame, float anchorX,
                     float anchorY, float limit) {
  dJointID hinge = GetPhysicsWorld().CreateHinge(part.GetBody(), other.GetBody(),
                                                 frame.Place(anchorX, anchorY), 0.0f, kJointErp);
  dJointSetHingeParam(hinge, dParamLoStop, -limit);
  dJointSetHingeParam(hinge, dParamHiStop, limit);
  return hinge;
}

// The pictures of the head and foot are drawn for a rider facing right.
void Rider::FaceTextures(int direction) {
  Texture& head = parts_[kHead]->GetTexture();
  Texture& foot = parts_[kFoot]->GetTexture();
  if (direction == 0) {
    head.ClearRenderMode();
    foot.ClearRenderMode();
  } else {
    head.SetFlipHorizontally();
    foot.SetFlipVertically();
  }
}

void Rider::Stop() {
  for (const Object* part : parts_) {
    if (part) StopMotion(*part);
  }
  for (const Object* piece : hair_) {
    if (piece) StopMotion(*piece);
  }
}

}  // namespace Kest
