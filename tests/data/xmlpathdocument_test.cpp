#include "game/data/xmlpathdocument.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/scratchfolder.h"

namespace DataTest {
namespace {

using Kest::AttributeMap;
using Kest::XmlPathDocument;

// Two roots: an empty step goes back to the document, so "/highscores//track" finds the second.
const char kScores[] =
    "<?xml version='1.0'?>\n<highscores><track name='a'><score score='900'/></track><track name='b'/>"
    "</highscores>\n<track name='top'/>\n";

// Records each visit; stops on the element named stopAt.
struct Recorder : Kest::NodeIterator {
  bool Visit(const std::string& name, AttributeMap& attributes, TiXmlNode*) override {
    visits.emplace_back(name, attributes);
    return name != stopAt;
  }
  std::vector<std::pair<std::string, AttributeMap>> visits;
  std::string stopAt;
};

// The cursor as "value name", "document" or "null".
std::string Cursor(const XmlPathDocument& document) {
  const TiXmlNode* node = document.GetCurrentNode();
  if (!node || node == &document) return node ? "document" : "null";
  const char* name = node->ToElement() ? node->ToElement()->Attribute("name") : nullptr;
  return std::string(node->Value()) + " " + (name ? name : "");
}

class Document : public ::testing::Test {
 protected:
  void Load(const char* text) { ASSERT_TRUE(document.Load(folder.Write("doc.xml", text))); }
  TestSupport::ScratchFolder folder;
  XmlPathDocument document;
};

TEST_F(Document, PathsMatchNamesExactlyAndEmptyStepsReturnToTheDocument) {
  Load(kScores);
  const std::pair<const char*, const char*> cases[] = {
      {"/highscores", "highscores "}, {"/highscores/track", "track a"}, {"/highscores/track/score", "score "},
      {"/highscores//track", "track top"}, {"/", "document"}, {"", "document"}, {"/Highscores", "null"},
      {"/highscores/none/track", "null"}};
  for (const auto& c : cases) {
    EXPECT_EQ(document.GoTo(c.first), std::string(c.second) != "null") << c.first;
    EXPECT_EQ(Cursor(document), c.second) << c.first;
  }
}

// Without a cursor nothing is added or saved either.
TEST_F(Document, NothingIsWalkedInAFileThatDoesNotParse) {
  for (const std::string& path : {folder.Write("broken.xml", "<highscores><track></highscores>"), folder.Path("none")}) {
    EXPECT_FALSE(document.Load(path));
    EXPECT_FALSE(document.GoTo("/"));
    EXPECT_EQ(document.GetCurrentNode(), nullptr);
  }
  Load(kScores);
  EXPECT_FALSE(document.GoTo("/missing"));
  document.AddElement("score", {{"score", "1"}});
  EXPECT_EQ(folder.Read("doc.xml"), kScores);
}

// Defaults win over the file's attributes; the cursor ends on the last child,
// or on the element where a visit stopped, for the caller to go on from.
TEST_F(Document, WalkVisitsElementsOnlyWithTheDefaults) {
  Load("<scene><a k='1' x='1'/>text<!-- note --><b/><!-- last --></scene>");
  ASSERT_TRUE(document.GoTo("/scene"));
  Recorder recorder;
  const AttributeMap defaults = {{"x", "5"}};
  document.Iterate(recorder, &defaults);
  EXPECT_EQ(recorder.visits, (std::vector<std::pair<std::string, AttributeMap>>{
                                 {"a", {{"k", "1"}, {"x", "5"}}}, {"b", {{"x", "5"}}}}));
  EXPECT_EQ(document.GetCurrentNode()->Type(), TiXmlNode::TINYXML_COMMENT);
  Load(kScores);
  ASSERT_TRUE(document.GoTo("/highscores"));
  Recorder stopping;
  stopping.stopAt = "track";
  document.Iterate(stopping);
  EXPECT_EQ(Cursor(document), "track a");
  document.Iterate(stopping);
  ASSERT_EQ(stopping.visits.size(), 2u);
  EXPECT_EQ(stopping.visits[1].first, "score");
}

// No pop may return a deleted node; with nothing pushed the cursor stays.
TEST_F(Document, ClearingDropsTheSavedCursorsInsideTheClearedChildren) {
  Load(kScores);
  for (const char* path : {"/highscores//track", "/highscores/track", "/highscores/track/score", "/highscores"}) {
    ASSERT_TRUE(document.GoTo(path));
    document.PushNode();
  }
  document.ClearNode();
  EXPECT_EQ(document.GetCurrentNode()->FirstChild(), nullptr);
  document.PopNode();
  EXPECT_EQ(Cursor(document), "highscores ");
  for (int pop = 0; pop < 2; ++pop) {
    document.PopNode();
    EXPECT_EQ(Cursor(document), "track top");
  }
}

}  // namespace
}  // namespace DataTest
