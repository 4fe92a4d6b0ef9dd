#include "game/data/xmlpathdocument.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <vector>

#include <boost/algorithm/string/predicate.hpp>
#include <boost/algorithm/string/replace.hpp>
#include <boost/algorithm/string/split.hpp>

#include "game/data/atomicfile.h"
#include "game/data/xmlnesting.h"
#include "game/data/xmltext.h"
#include "game/utility/utility.h"
#include "platform/plainfile.h"
#include "platform/platform.h"

namespace Kest {

namespace {

bool IsInside(const TiXmlNode* node, const TiXmlNode* ancestor) {
  for (const TiXmlNode* up = node ? node->Parent() : nullptr; up; up = up->Parent()) {
    if (up == ancestor) return true;
  }
  return false;
}

// The largest XML file read: far above any track list or table of scores
// the game writes, and a bound on what a file can make it hold.
constexpr std::size_t kMaxXmlFileBytes = 64u << 20;

// The text the parser is given: the file up to its first NUL, its line ends
// made "\n", as the library reads a file itself. The parser takes a UTF-8
// lead byte with the bytes it announces, even past a NUL, so that a file
// that ends inside such a character makes it read past its buffer: the
// text ends in as many NULs as the longest character has bytes.
void PrepareForParser(std::string& text) {
  text.erase(std::min(text.find('\0'), text.size()));
  boost::algorithm::replace_all(text, "\r\n", "\n");
  std::replace(text.begin(), text.end(), '\r', '\n');
  text.append(4, '\0');
}

// Visits the node and every node below it.
void ForEachNode(TiXmlNode* node, const std::function<void(TiXmlNode*)>& visit) {
  visit(node);
  for (TiXmlNode* child = node->FirstChild(); child; child = child->NextSibling()) {
    ForEachNode(child, visit);
  }
}

// Every attribute value and text outside CDATA of the node and below.
void RecodeTexts(TiXmlNode* root, std::string (*recode)(const std::string&)) {
  ForEachNode(root, [recode](TiXmlNode* node) {
    if (TiXmlElement* element = node->ToElement()) {
      for (TiXmlAttribute* a = element->FirstAttribute(); a; a = a->Next()) a->SetValue(recode(a->ValueStr()));
    } else if (TiXmlText* text = node->ToText(); text && !text->CDATA()) {
      text->SetValue(recode(text->ValueStr()));
    }
  });
}

// The parser reads byte for byte, without a byte order mark, a document
// whose first declaration names an encoding other than UTF-8.
bool ReadByteForByte(const TiXmlDocument& document, const std::string& text) {
  if (boost::algorithm::starts_with(text, "\xEF\xBB\xBF")) return false;
  for (const TiXmlNode* node = document.FirstChild(); node; node = node->NextSibling()) {
    if (const TiXmlDeclaration* declaration = node->ToDeclaration()) {
      const std::string encoding = declaration->Encoding();
      return !encoding.empty() && !boost::algorithm::istarts_with(encoding, "UTF-8") &&
             !boost::algorithm::istarts_with(encoding, "UTF8");
    }
  }
  return false;
}

// How the parser is to read the text. A file that says (or by default
// means) UTF-8 but is not is read byte for byte: a name stored as Latin-1
// there would else swallow the quote after it and break the whole file.
TiXmlEncoding ParserEncoding(const std::string& text) {
  const bool marked = boost::algorithm::starts_with(text, "\xEF\xBB\xBF");
  return marked || IsUtf8(text) ? TIXML_DEFAULT_ENCODING : TIXML_ENCODING_LEGACY;
}

// Makes what the parser must read back as the game wrote it. It reads
// quoted attribute values and texts outside CDATA character by character:
// they are made UTF-8. It reads a declaration's values up to their quotes,
// but they are written out as they stand, quotes and "?>" included: every
// declaration becomes the game's own. Names, comments and CDATA it reads
// byte by byte, up to what ends them.
void MakeReadable(TiXmlNode* root) {
  RecodeTexts(root, AsUtf8);
  ForEachNode(root, [](TiXmlNode* node) {
    if (TiXmlDeclaration* declaration = node->ToDeclaration()) *declaration = TiXmlDeclaration("1.0", "UTF-8", "");
  });
}

}  // namespace

bool XmlPathDocument::Load(const std::string& fileName) {
  fileName_ = fileName;
  return Read(Platform::ToNativePath(fileName));
}

bool XmlPathDocument::LoadPath(const std::string& path) {
  fileName_ = path;
  return Read(path);
}

bool XmlPathDocument::Read(const std::string& path) {
  current_ = nullptr;
  stack_.clear();
  Clear();
  path_ = path;
  problem_.clear();
  std::string text;
  const int error = Platform::ReadPlainFile(path, kMaxXmlFileBytes, text);
  PrepareForParser(text);
  if (error != 0) {
    read_ = error == ENOENT ? XmlRead::kMissing : XmlRead::kUnreadable;
    problem_ = Platform::RefusalText(error);
  } else if (XmlNesting(text, kMaxXmlNesting) > kMaxXmlNesting) {
    read_ = XmlRead::kMalformed;
    Log(fileName_ + ": elements nest deeper than " + ToString(kMaxXmlNesting) + ", not read");
  } else {
    Parse(text.c_str(), nullptr, ParserEncoding(text));
    read_ = Error() ? XmlRead::kMalformed : XmlRead::kParsed;
  }
  loaded_ = read_ == XmlRead::kParsed;
  if (loaded_) RecodeTexts(this, ReadByteForByte(*this, text) ? ToXmlText : AsUtf8);
  return loaded_;
}

bool XmlPathDocument::GoTo(const std::string& path) {
  if (!loaded_) return false;
  std::vector<std::string> steps;
  boost::algorithm::split(steps, path, [](char c) { return c == '/'; });
  for (const std::string& step : steps) {
    if (step.empty()) {
      current_ = this;
    } else if (current_) {
      current_ = current_->FirstChild(step.c_str());
    }
    if (!current_) return false;
  }
  return true;
}

void XmlPathDocument::GoToRoot() {
  stack_.clear();
  GoTo("/");
}

void XmlPathDocument::Iterate(NodeIterator& visitor, const AttributeMap* defaults,
                              TiXmlNode* parent) {
  if (!current_) return;
  if (!parent) parent = current_;
  for (TiXmlNode* child = parent->FirstChild(); child; child = child->NextSibling()) {
    current_ = child;
    TiXmlElement* element = child->ToElement();
    if (!element) continue;
    AttributeMap attributes = defaults ? *defaults : AttributeMap();
    for (const TiXmlAttribute* a = element->FirstAttribute(); a; a = a->Next()) {
      attributes.insert({a->Name(), a->Value()});
    }
    if (!visitor.Visit(element->Value(), attributes, element)) return;
  }
}

void XmlPathDocument::PushNode() { stack_.push_back(current_); }

void XmlPathDocument::PopNode() {
  if (stack_.empty()) return;
  current_ = stack_.back();
  stack_.pop_back();
}

void XmlPathDocument::ClearNode() {
  if (!current_) return;
  const TiXmlNode* cleared = current_;
  stack_.erase(std::remove_if(stack_.begin(), stack_.end(),
                              [cleared](const TiXmlNode* saved) { return IsInside(saved, cleared); }),
               stack_.end());
  current_->Clear();
}

void XmlPathDocument::AddElement(const std::string& name, const AttributeMap& attributes) {
  if (!current_) return;
  AppendElement(name, attributes);
  Save();
}

void XmlPathDocument::AppendElement(const std::string& name, const AttributeMap& attributes) {
  if (!current_) return;
  auto* element = new TiXmlElement(name.c_str());
  for (const auto& attribute : attributes) {
    element->SetAttribute(attribute.first.c_str(), attribute.second.c_str());
  }
  current_->LinkEndChild(element);
  current_ = element;
}

bool XmlPathDocument::Save() {
  MakeReadable(this);
  return WriteFileAtomically(path_,
                             [this](std::FILE* file) { return SaveFile(file); });
}

}  // namespace Kest
