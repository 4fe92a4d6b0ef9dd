#include "game/data/xmlnesting.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <random>
#include <string>

namespace DataTest {
namespace {

// The element levels of the tree the parser built, up to where it stopped.
int TreeDepth(const TiXmlNode* node) {
  int deepest = 0;
  for (const TiXmlNode* child = node->FirstChild(); child; child = child->NextSibling()) {
    deepest = std::max(deepest, TreeDepth(child) + (child->ToElement() ? 1 : 0));
  }
  return deepest;
}

// The parser's depth, and the scan's, for a text as the reader hands it
// over: ending in NULs, which a UTF-8 lead byte at the end may take.
std::pair<int, int> Depths(const std::string& text) {
  const std::string padded = text + std::string(4, '\0');
  TiXmlDocument document;
  document.Parse(padded.c_str());
  return {TreeDepth(&document), Kest::XmlNesting(padded, Kest::kMaxXmlNesting)};
}

// Closing markup the parser takes for something else: inside quotes, a
// comment, CDATA, a declaration or an unknown node, swallowed by a UTF-8
// lead byte, or skipped by a character reference that runs to a later ';'.
TEST(XmlNesting, HiddenEndTagsDoNotHideTheNesting) {
  const std::string utf8 = "<?xml version='1.0' encoding='UTF-8'?>";
  const std::pair<std::string, std::string> cases[] = {
      {"", "<a x='</a>'>"}, {"", "<a x=\"/>\">"}, {"", "<a><!--</a>-->"}, {"", "<a><![CDATA[</a>]]>"},
      {"", "<a><?xml version='</a>'?>"}, {"", "<a><!x </a>"}, {utf8, "<a>\xC3</a>"}, {utf8, "<a x='\xC3'/>'>"},
      {"", "<a>&#x</a>x;"}, {"", "<a>&#</a>#1;"}, {"\xEF\xBB\xBF", "<a>\xE2</a>"}};
  for (const auto& c : cases) {
    std::string text = c.first;
    for (int i = 0; i < 40; ++i) text += c.second;
    SCOPED_TRACE(text);
    const std::pair<int, int> depths = Depths(text);
    EXPECT_GE(depths.first, 40);
    EXPECT_EQ(depths.second, depths.first);
  }
}

TEST(XmlNesting, TheScanNeverFindsLessThanTheParser) {
  const char* const pieces[] = {"<a", "<b ", ">", "</a>", "</b>", "/>", "x='", "y=\"", "'", "\"", " ", "t", "=",
                                "\xC3", "\xE2\x82", "\xEF\xBB\xBF", "&", "&#x", "&#", ";", "1", "x", "<!--", "-->",
                                "<![CDATA[", "]]>", "<!", "<?xml version='1.0'?>", "<?xml encoding='latin1'?>", "?>"};
  std::mt19937 random(24);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1), length(1, 60);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (std::size_t n = length(random); n > 0; --n) text += pieces[piece(random)];
    const std::pair<int, int> depths = Depths(text);
    ASSERT_GE(depths.second, depths.first) << text;
  }
}

}  // namespace
}  // namespace DataTest
