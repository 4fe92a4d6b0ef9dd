// Mixing two surfaces into a pair's contacts, and the callbacks that follow.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tessora/static.h"

namespace {

using Tessora::ContactBuffer;
using Tessora::Vec2;

class SurfaceMixing : public ::testing::Test {
 protected:
  const dSurfaceParameters& MixOne() {
    buffer.Reset(&a, &b);
    buffer.Add(Vec2(0, 0), Vec2(0, -1), 0.1f);
    buffer.MixSurfaces();
    return buffer.GetContact(0).surface;
  }

  Tessora::Static<Tessora::Circle> a{new Tessora::Circle(Vec2(0, 0), 1)};
  Tessora::Static<Tessora::Circle> b{new Tessora::Circle(Vec2(1, 0), 1)};
  ContactBuffer buffer;
};

TEST_F(SurfaceMixing, DefaultsGiveInfiniteFrictionAndTheDefaultBounce) {
  const dSurfaceParameters& s = MixOne();
  EXPECT_EQ(s.mode, dContactBounce);
  EXPECT_EQ(s.mu, dInfinity);
  EXPECT_FLOAT_EQ(s.bounce, 0.35f);
  EXPECT_FLOAT_EQ(s.bounce_vel, 0.0f);
}

TEST_F(SurfaceMixing, DisjointFrictionMasksGiveNoFriction) {
  a.surface.frictionMask = 0x1;
  b.surface.frictionMask = 0x2;
  EXPECT_EQ(MixOne().mu, 0.0f);
}

TEST_F(SurfaceMixing, FiniteFrictionsMultiplyUnlessOneIsInfinite) {
  a.surface.friction = 0.5f;
  b.surface.friction = 0.4f;
  EXPECT_FLOAT_EQ(MixOne().mu, 0.2f);
  b.surface.friction = dInfinity;
  EXPECT_EQ(MixOne().mu, dInfinity);
}

TEST_F(SurfaceMixing, BouncesAverage) {
  a.surface.bounce = 0.1f;
  a.surface.bounceVelocity = 2.0f;
  const dSurfaceParameters& s = MixOne();
  EXPECT_FLOAT_EQ(s.bounce, 0.225f);
  EXPECT_FLOAT_EQ(s.bounce_vel, 1.0f);
}

struct CallRecord {
  std::string who;
  const Tessora::Object* a;
  const Tessora::Object* b;
  int count;
};
std::vector<CallRecord> calls;

void RecordCall(ContactBuffer* buffer) {
  const auto* who = static_cast<const char*>(buffer->GetA()->surface.userData);
  calls.push_back({who, buffer->GetA(), buffer->GetB(), buffer->GetCount()});
}

TEST_F(SurfaceMixing, CallbacksRunForAThenForBEachSeeingItselfAsA) {
  calls.clear();
  a.surface.contactCallback = b.surface.contactCallback = RecordCall;
  a.surface.userData = const_cast<char*>("a");
  b.surface.userData = const_cast<char*>("b");
  buffer.Reset(&a, &b);
  buffer.MixSurfaces();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].who, "a");
  EXPECT_EQ(calls[0].b, &b);
  EXPECT_EQ(calls[1].who, "b");
  EXPECT_EQ(calls[1].b, &a);
  EXPECT_EQ(calls[1].count, 0);
  EXPECT_EQ(buffer.GetA(), &a);
}

}  // namespace
