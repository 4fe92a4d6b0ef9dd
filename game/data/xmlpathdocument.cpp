#include "game/data/xmlpathdocument.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <boost/algorithm/string/replace.hpp>
#include <boost/algorithm/string/split.hpp>

#include "game/data/atomicfile.h"
#include "platform/platform.h"

namespace Kest {

namespace {

bool IsInside(const TiXmlNode* node, const TiXmlNode* ancestor) {
  for (const TiXmlNode* up = node ? node->Parent() : nullptr; up; up = up->Parent()) {
    if (up == ancestor) return true;
  }
  return false;
}

// Only plain files: the parser reads the whole length at once, and a folder
// or a device reports no length it could use.
std::FILE* OpenRegularFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  struct stat status {};
  if (file && (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode))) {
    std::fclose(file);
    return nullptr;
  }
  return file;
}

// The text the parser is given: the file up to its first NUL, its line ends
// made "\n", as the library reads a file itself. The parser takes a UTF-8
// lead byte with the bytes it announces, even past a NUL, so that a file
// that ends inside such a character makes it read past its buffer: the
// text ends in as many NULs as the longest character has bytes.
bool ReadForParser(std::FILE* file, std::string& text) {
  char block[4096];
  while (const std::size_t n = std::fread(block, 1, sizeof block, file)) text.append(block, n);
  if (std::ferror(file)) return false;
  text.erase(std::min(text.find('\0'), text.size()));
  boost::algorithm::replace_all(text, "\r\n", "\n");
  std::replace(text.begin(), text.end(), '\r', '\n');
  text.append(4, '\0');
  return true;
}

// The bytes of a UTF-8 character that starts with lead; 0 when none does.
std::size_t Utf8Bytes(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead < 0xC2) return 0;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  return lead < 0xF5 ? 4 : 0;
}

// The bytes of the UTF-8 character at text[i]; 0 when none is there whole.
std::size_t Utf8Length(const std::string& text, std::size_t i) {
  const std::size_t length = Utf8Bytes(static_cast<unsigned char>(text[i]));
  if (length == 0 || i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

bool IsUtf8(const std::string& text) {
  for (std::size_t i = 0, n = 0; i < text.size(); i += n) {
    n = Utf8Length(text, i);
    if (n == 0) return false;
  }
  return true;
}

// Makes what the parser must read back as the game wrote it. It reads
// quoted attribute values and texts outside CDATA character by character:
// they are made UTF-8 (ToXmlText). It reads a declaration's values up to
// their quotes, but they are written out as they stand, quotes and "?>"
// included: every declaration becomes the game's own. Names, comments and
// CDATA it reads byte by byte, up to what ends them.
void MakeReadable(TiXmlNode* node) {
  if (TiXmlElement* element = node->ToElement()) {
    for (TiXmlAttribute* a = element->FirstAttribute(); a; a = a->Next()) {
      a->SetValue(ToXmlText(a->ValueStr()));
    }
  } else if (TiXmlText* text = node->ToText(); text && !text->CDATA()) {
    text->SetValue(ToXmlText(text->ValueStr()));
  } else if (TiXmlDeclaration* declaration = node->ToDeclaration()) {
    *declaration = TiXmlDeclaration("1.0", "UTF-8", "");
  }
  for (TiXmlNode* child = node->FirstChild(); child; child = child->NextSibling()) {
    MakeReadable(child);
  }
}

}  // namespace

std::string ToXmlText(const std::string& text) {
  if (IsUtf8(text)) return text;
  std::string utf8;
  for (const char c : text) {
    const unsigned char latin1 = static_cast<unsigned char>(c);
    if (latin1 < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | latin1 >> 6);
      utf8 += static_cast<char>(0x80 | (latin1 & 0x3F));
    }
  }
  return utf8;
}

bool XmlPathDocument::Load(const std::string& fileName) {
  current_ = nullptr;
  stack_.clear();
  Clear();
  fileName_ = fileName;
  std::FILE* file = OpenRegularFile(Platform::ToNativePath(fileName));
  std::string text;
  const bool read = file && ReadForParser(file, text);
  if (file) std::fclose(file);
  if (read) Parse(text.c_str());
  loaded_ = read && !Error();
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
  return WriteFileAtomically(Platform::ToNativePath(fileName_),
                             [this](std::FILE* file) { return SaveFile(file); });
}

}  // namespace Kest
