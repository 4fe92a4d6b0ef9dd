#include "game/objects/objectreader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "game/objects/line.h"
#include "tessora/object.h"
#include "tests/support/nestedxml.h"
#include "tests/support/scene.h"
#include "tests/support/scratchfolder.h"
#include "tests/support/tracecapture.h"

namespace ObjectsTest {
namespace {

using Kest::AttributeMap;
using Built = std::unique_ptr<Kest::Object>;

// Runs in its scratch folder, which stands for the game's folder: scene
// files name the files they include relative to it.
class SceneFile : public TestSupport::Scene {
 protected:
  void SetUp() override {
    previous_ = getcwd(nullptr, 0);
    ASSERT_EQ(chdir(folder.Folder().c_str()), 0);
  }
  void TearDown() override {
    EXPECT_EQ(chdir(previous_), 0);
    std::free(previous_);
  }

  // Writes a scene file with these elements; returns its path.
  std::string Write(const std::string& name, const std::string& elements) {
    return folder.Write(name, "<?xml version='1.0'?>\n<scene>\n" + elements + "\n</scene>\n");
  }
  Built Load(const std::string& elements, const AttributeMap& overrides = {}) {
    return Built(Kest::LoadObjectFile(Write("scene.xml", elements), overrides));
  }
  // An element that includes another file of the folder.
  std::string Include(const std::string& name, const std::string& attributes = "") {
    return "<part def='" + name + "' " + attributes + "/>";
  }

  TestSupport::ScratchFolder folder;

 private:
  char* previous_ = nullptr;
};

template <class T>
T* As(const Built& object) {
  return dynamic_cast<T*>(object.get());
}

// Only "true", "TRUE" and "1" are true: for dynamic and both flips alike.
TEST_F(SceneFile, TrueTextsMakeABlockDynamicAndMirrorItsImage) {
  const struct {
    std::string attributes;
    bool dynamic;
    int mode;  // -1: not mirrored
  } cases[] = {{"hflip='true' dynamic='true'", true, 0}, {"hflip='TRUE' dynamic='TRUE'", true, 0},
               {"hflip='1' vflip='1' dynamic='1'", true, 2}, {"vflip='1' hflip='false'", false, 1},
               {"hflip='True' vflip='yes' dynamic='True'", false, -1}, {"dynamic='yes'", false, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.attributes);
    Built built = Load("<b class='block' width='40' height='20' " + c.attributes + "/>");
    auto* block = As<Kest::Block>(built);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->GetWidth(), 40.0f);
    EXPECT_EQ(block->IsDynamic(), c.dynamic);
    const bool mirrored = block->GetTexture().GetRenderMode() != nullptr;
    EXPECT_EQ(mirrored ? block->GetTexture().GetFlipMode() : -1, c.mode);
  }
}

TEST_F(SceneFile, LineEndsAreRelativeToItsPositionAndSwappedByFlips) {
  const struct {
    const char* flips;
    float x1, y1, x2, y2;
  } cases[] = {{"", 100, 0, 150, 10}, {"hflip='true'", 150, 0, 100, 10}, {"vflip='true'", 100, 10, 150, 0},
               {"hflip='1' vflip='1'", 150, 10, 100, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.flips);
    Built built = Load(std::string("<l class='line' x='100' x1='0' y1='0' x2='50' y2='10' dynamic='1' ") +
                       c.flips + "/>");
    auto* line = As<Kest::Line>(built);
    ASSERT_NE(line, nullptr);
    EXPECT_FALSE(line->IsDynamic()) << "lines are always static";
    EXPECT_NEAR((line->GetStart() - ol::Vec2(c.x1, c.y1)).Length(), 0.0f, 1e-3f);
    EXPECT_NEAR((line->GetEnd() - ol::Vec2(c.x2, c.y2)).Length(), 0.0f, 1e-3f);
  }
}

TEST_F(SceneFile, ShapesOfNoSizeOrBeyondTheFloatsAreRefusedWithOneLogLine) {
  for (const char* element : {"<c class='circle' x='5'/>", "<c class='circle' radius='-3'/>",
                              "<b class='block' width='0' height='10'/>", "<b class='block' width='10'/>",
                              "<b class='block' x='3e38' width='3e38' height='1'/>", "<l class='line' x='4' y='4'/>",
                              "<l class='line' x1='3e38' x2='-3e38' x='3e38'/>", "<a class='arc' radius='0'/>",
                              "<a class='arc' radius='20' quarter='5'/>", "<a class='arc' radius='1e8'/>"}) {
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
  for (const char* element : {"<c radius='5'/>", "<c class='spring' radius='5'/>", "<c class='Circle' radius='5'/>"})
    EXPECT_EQ(Load(element), nullptr) << element;
  folder.Write("other.xml", "<other><c class='circle' radius='5'/></other>");
  for (const char* file : {"other.xml", "missing.xml"})
    EXPECT_EQ(Built(Kest::LoadObjectFile(folder.Path(file), {})), nullptr) << file;
  EXPECT_TRUE(trace.Lines().empty());
}

// An include that does not load contributes nothing.
TEST_F(SceneFile, IncludingElementsOverrideTheIncludedOnesAtEveryDepth) {
  Write("leaf.xml", "<b class='block' x='1' y='2' width='30' height='10' vflip='true'/>");
  Write("inner.xml", Include("leaf.xml", "y='40'"));
  Built built = Load(Include("missing.xml", "class='circle' radius='9'") + Include("inner.xml", "x='300' hflip='1'"));
  auto* block = As<Kest::Block>(built);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->GetCenter().x, 315.0f);
  EXPECT_EQ(block->GetCenter().y, 45.0f);
  EXPECT_EQ(block->GetTexture().GetFlipMode(), 2);
  Built moved(Kest::LoadObjectFile(folder.Path("scene.xml"), {{"x", "7"}}));
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(moved->GetCenter().x, 22.0f);
}

// Three includes of itself on each level would run for hours without a
// limit on the depth.
TEST_F(SceneFile, FilesThatIncludeThemselvesStopWithOneLogLine) {
  Write("self.xml", Include("self.xml") + "<c class='circle' radius='3'/>");
  Write("ping.xml", Include("pong.xml") + "<c class='circle' radius='3'/>");
  Write("pong.xml", Include("ping.xml"));
  Write("fan.xml", Include("fan.xml") + Include("fan.xml") + Include("fan.xml") + "<c class='circle' radius='3'/>");
  for (const char* name : {"self.xml", "ping.xml", "fan.xml"}) {
    SCOPED_TRACE(name);
    TestSupport::TraceCapture trace;
    EXPECT_NE(As<Kest::Circle>(Built(Kest::LoadObjectFile(folder.Path(name), {}))), nullptr);
    ASSERT_EQ(trace.Lines().size(), 1u);
    EXPECT_NE(trace.Lines()[0].find("deeper than 16"), std::string::npos);
  }
}

// Includes nest sixteen deep and no deeper.
TEST_F(SceneFile, IncludesNestUpToTheirLimit) {
  for (const int includes : {Kest::ObjectReader::kMaxIncludeDepth, Kest::ObjectReader::kMaxIncludeDepth + 1}) {
    SCOPED_TRACE(includes);
    Write("f0.xml", "<c class='circle' radius='3'/>");
    for (int i = 1; i <= includes; ++i) {
      Write("f" + std::to_string(i) + ".xml", Include("f" + std::to_string(i - 1) + ".xml"));
    }
    const Built built(Kest::LoadObjectFile(folder.Path("f" + std::to_string(includes) + ".xml"), {}));
    EXPECT_EQ(built != nullptr, includes == Kest::ObjectReader::kMaxIncludeDepth);
  }
}

TEST_F(SceneFile, AFileNestedFarTooDeepBuildsNothing) {
  TestSupport::TraceCapture trace;
  EXPECT_EQ(Load("<c class='circle' radius='3'>" + TestSupport::NestedElements() + "</c>"), nullptr);
  EXPECT_TRUE(trace.Contains("nest deeper"));
}

// A level parses each scene file once, includes too: later reads walk the
// parsed file. Each read tells the work of every element it parses or walks.
TEST_F(SceneFile, ALevelParsesEachSceneFileOnce) {
  Write("leaf.xml", "<c class='circle' radius='3'/>");
  Write("scene.xml", "<n/>" + Include("leaf.xml", "x='5'"));
  Kest::SceneFiles files;
  std::size_t elements = 0;
  const Kest::SceneWork work = [&](std::size_t told, std::size_t) { elements += told; };
  Built first(Kest::LoadObjectFile("scene.xml", {}, files, work));
  EXPECT_EQ(elements, 8u) << "both files parsed (five elements with their roots), three walked";
  Write("leaf.xml", "<b class='block' width='3' height='3'/>");
  elements = 0;
  Built again(Kest::LoadObjectFile("scene.xml", {}, files, work));
  EXPECT_EQ(elements, 3u);
  ASSERT_NE(As<Kest::Circle>(again), nullptr);
  EXPECT_EQ(again->GetCenter().x, 5.0f);
}

// A read ended by its work (the script's budget ran out while the file was
// parsed) leaves the file parsed for the next read.
TEST_F(SceneFile, AReadEndedByItsWorkKeepsTheFileParsed) {
  Write("scene.xml", "<c class='circle' radius='3'/>");
  Kest::SceneFiles files;
  const Kest::SceneWork spent = [](std::size_t, std::size_t) { throw std::runtime_error("spent"); };
  EXPECT_THROW(Built(Kest::LoadObjectFile("scene.xml", {}, files, spent)), std::runtime_error);
  std::size_t told = 0;
  const Kest::SceneWork work = [&](std::size_t count, std::size_t) { told += count; };
  EXPECT_NE(Built(Kest::LoadObjectFile("scene.xml", {}, files, work)), nullptr);
  EXPECT_EQ(told, 1u) << "walked, not parsed again";
}

// What a level keeps parsed is bounded: a file past the bound is parsed
// for each read and let go.
TEST_F(SceneFile, ALevelKeepsOnlySoManyElementsParsed) {
  std::string elements;
  for (std::size_t i = 0; i < Kest::SceneFiles::kMostHeldElements; ++i) elements += "<n/>";
  Write("large.xml", elements + "<c class='circle' radius='3'/>");
  Kest::SceneFiles files;
  std::size_t told = 0;
  const Kest::SceneWork work = [&](std::size_t count, std::size_t) { told += count; };
  for (int read = 0; read < 2; ++read) {
    EXPECT_NE(Built(Kest::LoadObjectFile("large.xml", {}, files, work)), nullptr);
  }
  EXPECT_EQ(told, 2 * (2 * Kest::SceneFiles::kMostHeldElements + 3)) << "parsed and walked twice";
}

// A scene file that came with a track reads nothing outside the game's folder.
TEST_F(SceneFile, FilesOutsideTheGamesFolderAreRefusedWithOneLogLine) {
  Write("leaf.xml", "<c class='circle' radius='3'/>");
  ASSERT_NE(Load(Include("leaf.xml")), nullptr);
  for (const std::string& element :
       {Include(folder.Path("leaf.xml")), Include("..\\leaf.xml"), Include("c:leaf.xml"),
        std::string("<c class='circle' radius='3' texture='/etc/x.png'/>"),
        std::string("<c class='circle' radius='3' texture='res/../../x.png'/>")}) {
    SCOPED_TRACE(element);
    TestSupport::TraceCapture trace;
    EXPECT_EQ(Load(element), nullptr);
    ASSERT_EQ(trace.Lines().size(), 1u);
    EXPECT_TRUE(trace.Contains("outside the game's folder"));
  }
}

// The game opens scene files by names relative to the folder it runs in.
TEST_F(SceneFile, ShippedSceneFilesBuildWhereTheScriptPutsThem) {
  char* previous = getcwd(nullptr, 0);
  ASSERT_EQ(chdir(VANTRAIL_SOURCE_DIR), 0);
  for (const char* name : {"kicker", "bump", "crate", "fixedcrate"}) {
    Built built(Kest::LoadObjectFile(std::string("levels\\") + name + ".xml", {{"x", "100"}, {"y", "200"}}));
    ASSERT_NE(built, nullptr) << name;
    EXPECT_NEAR(built->GetCenter().x, 100.0f, 50.0f) << name;
  }
  EXPECT_EQ(chdir(previous), 0);
  std::free(previous);
}

}  // namespace
}  // namespace ObjectsTest
