#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "game/objects/arc.h"
#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "game/objects/composite.h"
#include "game/objects/line.h"
#include "tessora/block.h"
#include "tessora/composite.h"
#include "tessora/object.h"
#include "tests/support/scene.h"

namespace {

using TestSupport::Scene;

struct Kind {
  std::string name;
  std::function<Kest::Object*()> make;
};

// Things that fall, each with its lowest point at y = 95 and centred on x = 300.
const Kind kFallingLine = {"line", [] { return new Kest::Line(290, 95, 310, 95, "", true); }};
const Kind kFallers[] = {
    {"circle", [] { return new Kest::Circle(300, 85, 10, "", true); }},
    {"block", [] { return new Kest::Block(290, 85, 20, 10, "", true); }},
    {"composite",
     [] {
       auto* crate = new Kest::Composite(300, 85, "", true);
       crate->AddBlock(-10, -5, 20, 10);
       crate->AddCircle(0, 0, 10);
       crate->Finalize();
       return crate;
     }},
};

// Grounds whose top is y = 100 under x = 300 (the bowl's bottom is at x = 350, half a pixel lower).
const Kind kBoxedGrounds[] = {
    {"block", [] { return new Kest::Block(0, 100, 600, 40, "", false); }},
    {"circle", [] { return new Kest::Circle(300, 400, 300, "", false); }},
};
const Kind kGrounds[] = {
    kBoxedGrounds[0],
    kBoxedGrounds[1],
    {"line", [] { return new Kest::Line(0, 100, 600, 100, "", false); }},
    {"arc", [] { return Kest::Arc::Create(-1650, -1900, 2000, "", 3); }},
    {"triangle",
     [] { return new Kest::TriangleComposite(ol::Vec2(0, 100), ol::Vec2(600, 100), ol::Vec2(300, 200)); }},
    {"composite",
     [] {
       auto* ground = new Kest::Composite(0, 100, "", false);
       ground->AddLine(0, 0, 600, 0);
       ground->Finalize();
       return ground;
     }},
};

class RestingTest : public Scene,
                    public ::testing::WithParamInterface<std::tuple<Kind, Kind>> {};

// Each kind lands on each static ground and stays: neither sinks in nor falls through.
TEST_P(RestingTest, FallsOntoTheGroundAndRests) {
  ASSERT_TRUE(space.Insert(std::get<1>(GetParam()).make()));
  Kest::Object* faller = std::get<0>(GetParam()).make();
  space.Insert(faller);

  Step(400);
  const float settled = faller->GetCenter().y;
  Step(100);
  EXPECT_NEAR(faller->GetBody()->GetShape()->GetBox().maxY, 100.0f, 2.0f);
  EXPECT_NEAR(faller->GetCenter().y, settled, 0.5f) << "still moving";
  EXPECT_GT(settled, 85.0f - 1.0f) << "it fell";
}

std::string KindNames(const ::testing::TestParamInfo<std::tuple<Kind, Kind>>& info) {
  return std::get<0>(info.param).name + "_on_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(EveryKind, RestingTest,
                         ::testing::Combine(::testing::ValuesIn(kFallers),
                                            ::testing::ValuesIn(kGrounds)),
                         KindNames);
// A level line's box has no height and the box test is strict: a falling
// line needs a ground with height.
INSTANTIATE_TEST_SUITE_P(FallingLine, RestingTest,
                         ::testing::Combine(::testing::Values(kFallingLine),
                                            ::testing::ValuesIn(kBoxedGrounds)),
                         KindNames);

using ShapeObjectTest = Scene;

// The copy is a new block of the same size where the original stands now,
// with the original's mirroring but not its colours, and moves on its own.
TEST_F(ShapeObjectTest, AClonedBlockIsANewBlockWhereTheOriginalStands) {
  auto* original = new Kest::Block(100, 80, 40, 20, "", true);
  original->SetFillColor(0, 255, 0, 255);
  original->GetTexture().SetFlipMode(1);
  space.Insert(original);
  space.Insert(new Kest::Block(0, 100, 400, 20, "", false));
  Step(200);
  auto* copy = static_cast<Kest::Block*>(original->Clone());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetWidth(), 40.0f);
  EXPECT_NEAR((copy->GetCenter() - original->GetCenter()).Length(), 0.0f, 1e-3f);
  EXPECT_FALSE(copy->IsFilled());
  EXPECT_NE(copy->GetTexture().GetRenderMode(), nullptr);
  original->SetRemoved(true);
  Sweep();
  copy->GetBody()->SetPosition(Tessora::Vec2(200, 0));
  space.Insert(copy);
  Step(20);
  EXPECT_GT(copy->GetCenter().y, 0.0f) << "it falls";
}

}  // namespace
