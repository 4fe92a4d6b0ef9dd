#include "game/data/xmlpathdocument.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/scratchfolder.h"

namespace DataTest {
namespace {

using Kest::AttributeMap;
using Kest::XmlPathDocument;

// Two root elements: a path's empty step goes back to the document, so
// "/highscores//track" finds the second one.
const char kScores[] =
    "<?xml version='1.0'?>\n"
    "<highscores>\n"
    "  <track name='a'><score score='900'/></track>\n"
    "  <track name='b'/>\n"
    "</highscores>\n"
    "<track name='top'/>\n";

// Records each visit; stops on the element named stopAt.
class Recorder : public Kest::NodeIterator {
 public:
  bool Visit(const std::string& name, AttributeMap& attributes, TiXmlNode*) override {
    visits.emplace_back(name, attributes);
    return name != stopAt;
  }
  std::vector<std::pair<std::string, AttributeMap>> visits;
  std::string stopAt;
};

std::string NameOf(const TiXmlNode* node) {
  const TiXmlElement* element = node ? node->ToElement() : nullptr;
  const char* name = element ? element->Attribute("name") : nullptr;
  return name ? name : "";
}

class Document : public ::testing::Test {
 protected:
  void Load(const char* text) { ASSERT_TRUE(document.Load(folder.Write("doc.xml", text))); }

  TestSupport::ScratchFolder folder;
  XmlPathDocument document;
};

TEST_F(Document, PathsMatchNamesExactlyAndEmptyStepsReturnToTheDocument) {
  Load(kScores);
  struct Case {
    const char* path;
    bool found;
    const char* value;  // of the cursor; "" for the document
    const char* name;   // its "name" attribute
  };
  const Case cases[] = {
      {"/highscores", true, "highscores", ""},
      {"/highscores/track", true, "track", "a"},
      {"/highscores/track/score", true, "score", ""},
      {"/highscores//track", true, "track", "top"},
      {"/", true, "", ""},
      {"", true, "", ""},
      {"/Highscores", false, nullptr, nullptr},
      {"/highscores/none/track", false, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(document.GoTo(c.path), c.found);
    TiXmlNode* cursor = document.GetCurrentNode();
    if (!c.found) {
      EXPECT_EQ(cursor, nullptr);
      continue;
    }
    ASSERT_NE(cursor, nullptr);
    if (*c.value == '\0') {
      EXPECT_EQ(cursor, &document);
    } else {
      EXPECT_STREQ(cursor->Value(), c.value);
      EXPECT_EQ(NameOf(cursor), c.name);
    }
  }
}

TEST_F(Document, NothingIsWalkedInAFileThatDoesNotParse) {
  EXPECT_FALSE(document.Load(folder.Write("broken.xml", "<highscores><track></highscores>")));
  EXPECT_FALSE(document.GoTo("/"));
  EXPECT_EQ(document.GetCurrentNode(), nullptr);
  EXPECT_FALSE(document.Load(folder.Path("missing.xml")));
  EXPECT_FALSE(document.GoTo("/"));
}

// The parser takes a UTF-8 lead byte with the bytes it announces, even past
// the end of the text. Freed heap blocks of the size the file's text needs
// are primed with what would close the element just past its end: a reader
// that hands the parser the bare text (glibc gives the next block of that
// size one of these) reads on into them and loads a broken file.
TEST_F(Document, AFileThatEndsInsideACharacterIsReadNoFurther) {
  const std::string text = "<?xml version='1.0'?><t a='\xF0";
  const std::string path = folder.Write("cut.xml", text);
  constexpr std::size_t kBlock = 40;
  std::vector<std::unique_ptr<char[]>> blocks;
  for (int i = 0; i < 16; ++i) {
    blocks.emplace_back(new char[kBlock]());
    std::memcpy(blocks.back().get() + text.size() + 3, "'/>", 3);
  }
  blocks.clear();
  EXPECT_FALSE(document.Load(path));
}

TEST_F(Document, DefaultsWinOverTheFilesAttributes) {
  Load("<scene><shape x='1' y='2'/></scene>");
  ASSERT_TRUE(document.GoTo("/scene"));
  Recorder recorder;
  const AttributeMap defaults = {{"x", "5"}};
  document.Iterate(recorder, &defaults);
  ASSERT_EQ(recorder.visits.size(), 1u);
  EXPECT_EQ(recorder.visits[0].second, (AttributeMap{{"x", "5"}, {"y", "2"}}));
}

TEST_F(Document, WalkVisitsElementsOnlyAndEndsOnTheLastChild) {
  Load("<scene><a k='1'/>text<!-- note --><b/><!-- last --></scene>");
  ASSERT_TRUE(document.GoTo("/scene"));
  Recorder recorder;
  document.Iterate(recorder);
  ASSERT_EQ(recorder.visits.size(), 2u);
  EXPECT_EQ(recorder.visits[0].first, "a");
  EXPECT_EQ(recorder.visits[0].second, (AttributeMap{{"k", "1"}}));
  EXPECT_EQ(recorder.visits[1].first, "b");
  ASSERT_NE(document.GetCurrentNode(), nullptr);
  EXPECT_EQ(document.GetCurrentNode()->Type(), TiXmlNode::TINYXML_COMMENT);
}

TEST_F(Document, AVisitThatStopsLeavesItsElementAsTheCursor_ALeafHasNoVisits) {
  Load(kScores);
  ASSERT_TRUE(document.GoTo("/highscores"));
  Recorder recorder;
  recorder.stopAt = "track";
  document.Iterate(recorder);
  EXPECT_EQ(recorder.visits.size(), 1u);
  EXPECT_EQ(NameOf(document.GetCurrentNode()), "a");

  // The caller goes on from there: the found element's children.
  Recorder scores;
  document.Iterate(scores);
  ASSERT_EQ(scores.visits.size(), 1u);
  EXPECT_EQ(scores.visits[0].first, "score");

  // An element without children: no visit, and the cursor stays.
  ASSERT_TRUE(document.GoTo("/highscores//track"));
  TiXmlNode* leaf = document.GetCurrentNode();
  document.Iterate(scores);
  EXPECT_EQ(scores.visits.size(), 1u);
  EXPECT_EQ(document.GetCurrentNode(), leaf);
}

TEST_F(Document, PopWithNothingPushedKeepsTheCursor) {
  Load(kScores);
  ASSERT_TRUE(document.GoTo("/highscores/track"));
  TiXmlNode* track = document.GetCurrentNode();
  document.PushNode();
  ASSERT_TRUE(document.GoTo("/highscores"));
  document.PopNode();
  EXPECT_EQ(document.GetCurrentNode(), track);
  document.PopNode();
  EXPECT_EQ(document.GetCurrentNode(), track);
}

TEST_F(Document, ClearingDropsTheSavedCursorsInsideTheClearedChildren) {
  Load(kScores);
  ASSERT_TRUE(document.GoTo("/highscores//track"));
  TiXmlNode* outside = document.GetCurrentNode();
  document.PushNode();
  ASSERT_TRUE(document.GoTo("/highscores/track"));
  document.PushNode();
  ASSERT_TRUE(document.GoTo("/highscores/track/score"));
  document.PushNode();
  ASSERT_TRUE(document.GoTo("/highscores"));
  TiXmlNode* cleared = document.GetCurrentNode();
  document.PushNode();

  document.ClearNode();
  EXPECT_EQ(cleared->FirstChild(), nullptr);
  document.PopNode();
  EXPECT_EQ(document.GetCurrentNode(), cleared);
  document.PopNode();  // the track and the score were dropped
  EXPECT_EQ(document.GetCurrentNode(), outside);
  document.PopNode();
  EXPECT_EQ(document.GetCurrentNode(), outside);
}

TEST_F(Document, AddedElementsListTheirAttributesAlphabeticallyAndAreSaved) {
  Load(kScores);
  ASSERT_TRUE(document.GoTo("/highscores//track"));
  document.AddElement("score", {{"score", "900"}, {"name", "Ann"}, {"date", "12"}});
  EXPECT_STREQ(document.GetCurrentNode()->Value(), "score");
  EXPECT_NE(folder.Read("doc.xml").find("<score date=\"12\" name=\"Ann\" score=\"900\" />"),
            std::string::npos);

  XmlPathDocument reread;
  ASSERT_TRUE(reread.Load(folder.Path("doc.xml")));
  ASSERT_TRUE(reread.GoTo("/highscores//track/score"));
}

TEST_F(Document, NothingIsAddedOrSavedWithoutACursor) {
  Load(kScores);
  EXPECT_FALSE(document.GoTo("/missing"));
  document.AddElement("score", {{"score", "1"}});
  EXPECT_EQ(folder.Read("doc.xml"), kScores);
}

}  // namespace
}  // namespace DataTest
