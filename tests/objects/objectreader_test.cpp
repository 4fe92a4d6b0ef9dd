#include "game/objects/objectreader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "game/objects/arc.h"
#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "game/objects/line.h"
#include "tessora/composite.h"
#include "tessora/object.h"
#include "tests/support/scene.h"
#include "tests/support/scratchfolder.h"
#include "tests/support/tracecapture.h"

namespace ObjectsTest {
namespace {

using Kest::AttributeMap;
using Built = std::unique_ptr<Kest::Object>;

class SceneFile : public TestSupport::Scene {
 protected:
  // Writes a scene file with these elements; returns its path.
  std::string Write(const std::string& name, const std::string& elements) {
    return folder.Write(name, "<?xml version='1.0'?>\n<scene>\n" + elements + "\n</scene>\n");
  }
  Built Load(const std::string& elements, const AttributeMap& overrides = {}) {
    return Built(Kest::LoadObjectFile(Write("scene.xml", elements), overrides));
  }
  // An element that includes another file of the folder.
  std::string Include(const std::string& name, const std::string& attributes = "") {
    return "<part def='" + folder.Path(name) + "' " + attributes + "/>";
  }

  TestSupport::ScratchFolder folder;
};

template <class T>
T* As(const Built& object) {
  return dynamic_cast<T*>(object.get());
}

TEST_F(SceneFile, FlipAttributesMirrorABlocksImage) {
  struct Case {
    const char* flips;
    int mode;  // -1: not mirrored
  };
  const Case cases[] = {
      {"hflip='true' vflip='false'", 0}, {"vflip='1'", 1},       {"hflip='TRUE' vflip='true'", 2},
      {"hflip='false'", -1},             {"hflip='True'", -1},   {"", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flips);
    Built built = Load(std::string("<b class='block' width='40' height='20' ") + c.flips + "/>");
    auto* block = As<Kest::Block>(built);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->GetWidth(), 40.0f);
    EXPECT_EQ(block->GetHeight(), 20.0f);
    if (c.mode < 0) {
      EXPECT_EQ(block->GetTexture().GetRenderMode(), nullptr);
    } else {
      ASSERT_NE(block->GetTexture().GetRenderMode(), nullptr);
      EXPECT_EQ(block->GetTexture().GetFlipMode(), c.mode);
    }
  }
}

TEST_F(SceneFile, LineEndsAreRelativeToItsPositionAndSwappedByFlips) {
  struct Case {
    const char* flips;
    ol::Vec2 start;
    ol::Vec2 end;
  };
  const Case cases[] = {
      {"", {100, 0}, {150, 10}},
      {"hflip='true'", {150, 0}, {100, 10}},
      {"vflip='true'", {100, 10}, {150, 0}},
      {"hflip='1' vflip='1'", {150, 10}, {100, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flips);
    Built built = Load(std::string("<l class='line' x='100' y='0' x1='0' y1='0' x2='50' y2='10' "
                                   "dynamic='true' ") +
                       c.flips + "/>");
    auto* line = As<Kest::Line>(built);
    ASSERT_NE(line, nullptr);
    EXPECT_FALSE(line->IsDynamic()) << "lines are always static";
    EXPECT_NEAR(line->GetStart().x, c.start.x, 1e-3f);
    EXPECT_NEAR(line->GetStart().y, c.start.y, 1e-3f);
    EXPECT_NEAR(line->GetEnd().x, c.end.x, 1e-3f);
    EXPECT_NEAR(line->GetEnd().y, c.end.y, 1e-3f);
  }
}

TEST_F(SceneFile, OnlyExactTrueTextsMakeAShapeDynamic) {
  const std::pair<const char*, bool> cases[] = {
      {"dynamic='true'", true}, {"dynamic='TRUE'", true}, {"dynamic='1'", true},
      {"dynamic='True'", false}, {"dynamic='yes'", false}, {"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    Built built = Load(std::string("<c class='circle' radius='5' ") + c.first + "/>");
    ASSERT_NE(As<Kest::Circle>(built), nullptr);
    EXPECT_EQ(As<Kest::Circle>(built)->IsDynamic(), c.second);
  }
}

TEST_F(SceneFile, MissingOrUnreadablePositionsCountAsZero) {
  Built built = Load("<c class='circle' x='left' radius='5'/>");
  ASSERT_NE(built, nullptr);
  EXPECT_EQ(built->GetCenter().x, 0.0f);
  EXPECT_EQ(built->GetCenter().y, 0.0f);
}

TEST_F(SceneFile, ACompositeElementIsMadeByItsOwnClassAndItsPartsBuildNothing) {
  Built built = Load(
      "<crate shape='Composite' class='circle' x='10' y='10' radius='7'>"
      "  <p shape='block' class='block' width='5' height='5'/>"
      "</crate>");
  auto* circle = As<Kest::Circle>(built);
  ASSERT_NE(circle, nullptr);
  EXPECT_EQ(circle->GetRadius(), 7.0f);
}

TEST_F(SceneFile, AnArcWithoutAQuarterIsTheUpperRightOne) {
  const float radius = 50.0f;
  Built built = Load("<a class='arc' x='100' y='200' radius='50'/>");
  auto* arc = As<Kest::Arc>(built);
  ASSERT_NE(arc, nullptr);
  ASSERT_GT(arc->GetPartCount(), 10);
  // The upper right quarter of a circle whose centre is the lower left of
  // the arc's box.
  const ol::Vec2 centre(100.0f, 200.0f + radius);
  const auto& shape = static_cast<const Tessora::Composite&>(*arc->GetBody()->GetShape());
  for (int i = 0; i < shape.GetPartCount(); ++i) {
    const Tessora::Vec2 p = shape.GetPart(i).GetPosition();
    EXPECT_NEAR((ol::Vec2(p.x, p.y) - centre).Length(), radius, 2.0f) << "part " << i;
  }
}

TEST_F(SceneFile, ShapesOfNoSizeOrBeyondTheFloatsAreRefusedWithOneLogLine) {
  const char* const refused[] = {
      "<c class='circle' x='5'/>",
      "<c class='circle' radius='-3'/>",
      "<b class='block' width='0' height='10'/>",
      "<b class='block' width='10'/>",
      "<b class='block' x='3e38' width='3e38' height='1'/>",
      "<l class='line' x='4' y='4'/>",
      "<l class='line' x1='3e38' x2='-3e38' x='3e38'/>",
      "<a class='arc' radius='0'/>",
      "<a class='arc' radius='20' quarter='5'/>",
      "<a class='arc' radius='1e8'/>",
  };
  for (const char* element : refused) {
    SCOPED_TRACE(element);
    TestSupport::TraceCapture trace;
    EXPECT_EQ(Load(element), nullptr);
    EXPECT_EQ(trace.Lines().size(), 1u);
  }
}

// Only the first object is kept, so the read ends with it: what follows is
// not even built (a file that includes itself hundreds of times, with a
// large arc each time, built them all only to delete them).
TEST_F(SceneFile, TheReadEndsWithTheFirstObject) {
  TestSupport::TraceCapture trace;
  Built built = Load("<c class='circle' radius='3'/><b class='block' width='0' height='1'/>");
  EXPECT_NE(As<Kest::Circle>(built), nullptr);
  EXPECT_TRUE(trace.Lines().empty()) << "the block after the circle was built, and refused";
}

TEST_F(SceneFile, NothingIsMadeQuietlyWithoutAKnownClassOrAScene) {
  TestSupport::TraceCapture trace;
  EXPECT_EQ(Load("<c radius='5'/>"), nullptr);
  EXPECT_EQ(Load("<c class='spring' radius='5'/>"), nullptr);
  EXPECT_EQ(Load("<c class='Circle' radius='5'/>"), nullptr);
  folder.Write("other.xml", "<other><c class='circle' radius='5'/></other>");
  EXPECT_EQ(Built(Kest::LoadObjectFile(folder.Path("other.xml"), {})), nullptr);
  EXPECT_EQ(Built(Kest::LoadObjectFile(folder.Path("missing.xml"), {})), nullptr);
  EXPECT_TRUE(trace.Lines().empty());
}

TEST_F(SceneFile, IncludingElementsOverrideTheIncludedOnesAtEveryDepth) {
  Write("leaf.xml", "<b class='block' x='1' y='2' width='30' height='10' vflip='true'/>");
  Write("inner.xml", Include("leaf.xml", "y='40'"));
  Built built = Load(Include("inner.xml", "x='300' hflip='1'"));
  auto* block = As<Kest::Block>(built);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->GetCenter().x, 315.0f);
  EXPECT_EQ(block->GetCenter().y, 45.0f);
  EXPECT_EQ(block->GetTexture().GetFlipMode(), 2);

  Built moved(Kest::LoadObjectFile(folder.Path("scene.xml"), {{"x", "7"}}));
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(moved->GetCenter().x, 22.0f);
}

TEST_F(SceneFile, AnIncludeThatDoesNotLoadContributesNothing) {
  Built built = Load(Include("missing.xml", "class='block' width='9' height='9'") +
                     "<c class='circle' radius='3'/>");
  ASSERT_NE(As<Kest::Circle>(built), nullptr);
}

TEST_F(SceneFile, FilesThatIncludeThemselvesStopWithOneLogLine) {
  Write("self.xml", Include("self.xml") + "<c class='circle' radius='3'/>");
  Write("ping.xml", Include("pong.xml") + "<c class='circle' radius='3'/>");
  Write("pong.xml", Include("ping.xml"));
  // Three includes of itself on each level: without a limit on their
  // number this would run for hours.
  Write("fan.xml", Include("fan.xml") + Include("fan.xml") + Include("fan.xml") +
                       "<c class='circle' radius='3'/>");
  for (const char* name : {"self.xml", "ping.xml", "fan.xml"}) {
    SCOPED_TRACE(name);
    TestSupport::TraceCapture trace;
    Built built(Kest::LoadObjectFile(folder.Path(name), {}));
    EXPECT_NE(As<Kest::Circle>(built), nullptr);
    ASSERT_EQ(trace.Lines().size(), 1u);
    EXPECT_NE(trace.Lines()[0].find("deeper than 16"), std::string::npos);
  }
}

// The game opens scene files by names relative to the folder it runs in.
class InFolder {
 public:
  explicit InFolder(const char* folder) : previous_(getcwd(nullptr, 0)) {
    EXPECT_EQ(chdir(folder), 0);
  }
  ~InFolder() {
    EXPECT_EQ(chdir(previous_), 0);
    std::free(previous_);
  }

 private:
  char* previous_;
};

TEST_F(SceneFile, ShippedSceneFilesBuildTheirShapesWhereTheScriptPutsThem) {
  InFolder game(VANTRAIL_SOURCE_DIR);
  const AttributeMap at = {{"x", "100"}, {"y", "200"}, {"hflip", "0"}, {"vflip", "0"}};

  Built kicker(Kest::LoadObjectFile("levels\\kicker.xml", at));
  ASSERT_NE(As<Kest::Arc>(kicker), nullptr);
  EXPECT_GT(As<Kest::Arc>(kicker)->GetPartCount(), 10);

  Built bump(Kest::LoadObjectFile("levels\\bump.xml", at));
  ASSERT_NE(As<Kest::Circle>(bump), nullptr);
  EXPECT_FALSE(As<Kest::Circle>(bump)->IsDynamic());
  EXPECT_EQ(bump->GetCenter().x, 100.0f);

  Built crate(Kest::LoadObjectFile("levels\\crate.xml", at));
  ASSERT_NE(As<Kest::Block>(crate), nullptr);
  EXPECT_TRUE(As<Kest::Block>(crate)->IsDynamic());

  Built fixed(Kest::LoadObjectFile("levels\\fixedcrate.xml", at));
  ASSERT_NE(As<Kest::Block>(fixed), nullptr);
  EXPECT_FALSE(As<Kest::Block>(fixed)->IsDynamic());
  EXPECT_EQ(As<Kest::Block>(fixed)->GetWidth(), 40.0f);
  EXPECT_EQ(fixed->GetCenter().x, 120.0f);
}

}  // namespace
}  // namespace ObjectsTest
