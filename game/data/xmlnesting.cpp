#include "game/data/xmlnesting.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include <tinyxml.h>

namespace Kest {

namespace {

constexpr std::size_t kStop = std::string::npos;

// Follows the parser's reading of the text step by step, with the same
// tests on the same bytes, and counts the elements open; it stops where the
// parser gives up, since the parser nests no deeper after that.
class NestingScan {
 public:
  NestingScan(const std::string& text, bool utf8AfterDeclaration, int cap)
      : text_(text), utf8AfterDeclaration_(utf8AfterDeclaration), cap_(cap) {}

  int Run();

 private:
  char At(std::size_t i) const { return i < text_.size() ? text_[i] : '\0'; }
  unsigned char Byte(std::size_t i) const { return static_cast<unsigned char>(At(i)); }
  static bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) || c == '\n' || c == '\r'; }
  static bool IsNameStart(unsigned char c) { return (c < 127 ? std::isalpha(c) : true) || c == '_'; }
  static bool IsNamePart(unsigned char c) {
    return (c < 127 ? std::isalnum(c) : true) || c == '_' || c == '-' || c == '.' || c == ':';
  }
  bool StartsWith(std::size_t i, const char* tag, bool ignoreCase = false) const;
  std::size_t SkipSpace(std::size_t i) const;
  std::size_t SkipName(std::size_t i) const;
  std::size_t SkipEntity(std::size_t i) const;
  std::size_t SkipCharacter(std::size_t i) const;
  std::size_t SkipText(std::size_t i, const char* end, bool trim) const;
  std::size_t SkipAttribute(std::size_t i) const;
  std::size_t SkipDeclaration(std::size_t i) const;
  std::size_t SkipPast(std::size_t i, const char* end) const;
  std::size_t SkipNode(std::size_t i, bool topLevel);
  std::size_t SkipStartTag(std::size_t i);

  const std::string& text_;
  const bool utf8AfterDeclaration_;
  const int cap_;
  bool utf8_ = false;
  bool encodingKnown_ = false;
  int depth_ = 0;
  int deepest_ = 0;
};

bool NestingScan::StartsWith(std::size_t i, const char* tag, bool ignoreCase) const {
  for (; *tag; ++tag, ++i) {
    const char c = At(i);
    if (!c || (ignoreCase ? std::tolower(c) != std::tolower(*tag) : c != *tag)) return false;
  }
  return true;
}

// Read as UTF-8, the parser also skips byte order marks wherever it skips
// white space.
std::size_t NestingScan::SkipSpace(std::size_t i) const {
  for (;;) {
    if (utf8_ && (StartsWith(i, "\xEF\xBB\xBF") || StartsWith(i, "\xEF\xBF\xBE") || StartsWith(i, "\xEF\xBF\xBF"))) {
      i += 3;
    } else if (At(i) && IsSpace(At(i))) {
      ++i;
    } else {
      return i;
    }
  }
}

// Where the name at i ends; i itself when no name starts there.
std::size_t NestingScan::SkipName(std::size_t i) const {
  if (!IsNameStart(Byte(i))) return i;
  while (At(i) && IsNamePart(Byte(i))) ++i;
  return i;
}

// A character reference runs to the next ';' wherever that is, provided the
// digits just before it are digits back to its 'x' or '#'.
std::size_t NestingScan::SkipEntity(std::size_t i) const {
  if (At(i + 1) == '#' && At(i + 2)) {
    const bool hex = At(i + 2) == 'x';
    if (hex && !At(i + 3)) return kStop;
    const std::size_t end = text_.find(';', i + (hex ? 3 : 2));
    if (end == kStop) return kStop;
    for (std::size_t k = end - 1; At(k) != (hex ? 'x' : '#'); --k) {
      if (!(hex ? std::isxdigit(Byte(k)) : std::isdigit(Byte(k)))) return kStop;
    }
    return end + 1;
  }
  for (const char* named : {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"}) {
    if (StartsWith(i, named)) return i + std::strlen(named);
  }
  return i + 1;
}

std::size_t NestingScan::SkipCharacter(std::size_t i) const {
  const int length = utf8_ ? TiXmlBase::utf8ByteTable[Byte(i)] : 1;
  if (length == 1) return At(i) == '&' ? SkipEntity(i) : i + 1;
  return i + static_cast<std::size_t>(length);
}

// Text up to end, past end; kStop where the parser fails (nothing after end
// counts as a failure, as the parser has it).
std::size_t NestingScan::SkipText(std::size_t i, const char* end, bool trim) const {
  if (trim) i = SkipSpace(i);
  while (i != kStop && At(i) && !StartsWith(i, end)) {
    i = trim && IsSpace(At(i)) ? i + 1 : SkipCharacter(i);
  }
  if (i == kStop || !At(i)) return kStop;
  i += std::strlen(end);
  return At(i) ? i : kStop;
}

std::size_t NestingScan::SkipAttribute(std::size_t i) const {
  i = SkipSpace(i);
  const std::size_t nameEnd = SkipName(i);
  if (nameEnd == i || !At(nameEnd)) return kStop;
  i = SkipSpace(nameEnd);
  if (At(i) != '=') return kStop;
  i = SkipSpace(i + 1);
  if (At(i) == '\'' || At(i) == '"') return SkipText(i + 1, At(i) == '\'' ? "'" : "\"", false);
  for (; At(i) && !IsSpace(At(i)) && At(i) != '/' && At(i) != '>'; ++i) {
    if (At(i) == '\'' || At(i) == '"') return kStop;
  }
  return At(i) ? i : kStop;
}

// i just after "<?xml".
std::size_t NestingScan::SkipDeclaration(std::size_t i) const {
  while (i != kStop && At(i)) {
    if (At(i) == '>') return i + 1;
    i = SkipSpace(i);
    if (StartsWith(i, "version", true) || StartsWith(i, "encoding", true) || StartsWith(i, "standalone", true)) {
      i = SkipAttribute(i);
    } else {
      while (At(i) && At(i) != '>' && !IsSpace(At(i))) ++i;
    }
  }
  return kStop;
}

// Bytes up to end, past it; the text's end when there is none.
std::size_t NestingScan::SkipPast(std::size_t i, const char* end) const {
  while (At(i) && !StartsWith(i, end)) ++i;
  return At(i) ? i + std::strlen(end) : i;
}

// The node at '<' that is not an end tag, as the parser tells them apart.
std::size_t NestingScan::SkipNode(std::size_t i, bool topLevel) {
  if (StartsWith(i, "<?xml", true)) {
    i = SkipDeclaration(i + 5);
    // The first declaration of the document settles its encoding.
    if (topLevel && !encodingKnown_) utf8_ = utf8AfterDeclaration_;
    encodingKnown_ = encodingKnown_ || topLevel;
    return i;
  }
  if (StartsWith(i, "<!--")) return SkipPast(i + 4, "-->");
  if (StartsWith(i, "<![CDATA[")) {
    i = SkipPast(i + 9, "]]>");
    return At(i) ? i : kStop;
  }
  if (StartsWith(i, "<!") || !IsNameStart(Byte(i + 1))) {
    i = SkipPast(i + 1, ">");
    return i;
  }
  return SkipStartTag(i);
}

// An element's start tag; an element with content is open after it.
std::size_t NestingScan::SkipStartTag(std::size_t i) {
  deepest_ = std::max(deepest_, depth_ + 1);
  i = SkipSpace(i + 1);
  const std::size_t nameEnd = SkipName(i);
  if (nameEnd == i || !At(nameEnd)) return kStop;
  for (i = nameEnd; i != kStop;) {
    i = SkipSpace(i);
    if (!At(i)) return kStop;
    if (At(i) == '/') return At(i + 1) == '>' ? i + 2 : kStop;
    if (At(i) == '>') {
      ++depth_;
      return i + 1;
    }
    i = SkipAttribute(i);
  }
  return kStop;
}

int NestingScan::Run() {
  encodingKnown_ = utf8_ = StartsWith(0, "\xEF\xBB\xBF");
  std::size_t i = 0;
  while (i != kStop && deepest_ <= cap_) {
    i = SkipSpace(i);
    if (!At(i)) break;
    if (depth_ == 0) {
      // Outside the elements the parser stops at anything but markup.
      if (At(i) != '<') break;
      i = SkipNode(i, true);
    } else if (At(i) != '<') {
      i = SkipText(i, "<", true);
      if (i != kStop) --i;
    } else if (StartsWith(i, "</")) {
      i = SkipSpace(SkipName(i + 2));
      if (At(i) != '>') break;
      --depth_;
      ++i;
    } else {
      i = SkipNode(i, false);
    }
  }
  return std::min(deepest_, cap_ + 1);
}

}  // namespace

int XmlNesting(const std::string& text, int cap) {
  return std::max(NestingScan(text, false, cap).Run(), NestingScan(text, true, cap).Run());
}

}  // namespace Kest
