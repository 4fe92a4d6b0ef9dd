// The two calls our solver build adds, and the notifications it makes.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "tessora/dynamic.h"
#include "tests/tessora/gameworld.h"

namespace {

using Tessora::Vec2;

TEST(SolverPatch, JointTakesTheWorldsErpWhenCreated) {
  Tessora::World world;
  world.SetERP(0.37f);
  dJointID early = dJointCreateBall(world.GetWorldID(), nullptr);
  world.SetERP(0.5f);
  dJointID late = dJointCreateBall(world.GetWorldID(), nullptr);
  EXPECT_FLOAT_EQ(dJointGetERP(early), 0.37f);
  EXPECT_FLOAT_EQ(dJointGetERP(late), 0.5f);
}

void CountMove(dBodyID body) { ++*static_cast<int*>(dBodyGetData(body)); }

TEST(SolverPatch, OnlyTheCombinedSetterMovesWithoutNotice) {
  Tessora::World world;
  dBodyID body = world.CreateBody();
  int moves = 0;
  dBodySetData(body, &moves);
  dBodySetMovedCallback(body, CountMove);
  dMatrix3 r;
  dRFromAxisAndAngle(r, 0, 0, 1, 0.5f);
  dBodySetPositionRotation(body, 1, 2, 0, r);
  EXPECT_EQ(moves, 0);
  EXPECT_FLOAT_EQ(dBodyGetPosition(body)[1], 2);
  EXPECT_NEAR(dBodyGetRotation(body)[4], std::sin(0.5f), 1e-6f);
  dBodySetPosition(body, 0, 0, 0);
  dBodySetRotation(body, r);
  const dQuaternion q = {1, 0, 0, 0};
  dBodySetQuaternion(body, q);
  EXPECT_EQ(moves, 3);
}

// Swings a chain of rope links hinged at the given ERP and returns how far
// apart its hinges' two anchor points have drifted, summed over the run.
float ChainDrift(float erp) {
  dRandSetSeed(7);
  Tessora::World world;
  TessoraTest::ApplyGameSettings(world);
  std::vector<std::unique_ptr<Tessora::Object>> links;
  std::vector<dJointID> hinges;
  for (int i = 0; i < 12; ++i) {
    const Vec2 from(i * 20.0f, 0), to((i + 1) * 20.0f, 0);
    links.push_back(std::make_unique<Tessora::Dynamic<Tessora::Line>>(new Tessora::Line(from, to),
                                                                      world.CreateBody()));
    hinges.push_back(i == 0 ? world.CreateAnchor(links[0].get(), from, 0, erp)
                            : world.CreateHinge(links[i - 1].get(), links[i].get(), from, 0, erp));
  }
  dBodySetLinearVel(links.back()->GetBody(), 0, 30, 0);
  float drift = 0;
  for (int step = 0; step < 300; ++step) {
    world.Step(TessoraTest::kGameStep);
    for (dJointID h : hinges) {
      dVector3 p1, p2;
      dJointGetHingeAnchor(h, p1);
      dJointGetHingeAnchor2(h, p2);
      drift += std::hypot(p1[0] - p2[0], p1[1] - p2[1]);
    }
  }
  links.clear();
  return drift;
}

TEST(SolverPatch, ChainHingedWithLowErpDriftsFurther) {
  const float loose = ChainDrift(0.03f), firm = ChainDrift(0.2f);
  EXPECT_GT(loose, firm * 2) << "loose " << loose << ", firm " << firm;
}

}  // namespace
