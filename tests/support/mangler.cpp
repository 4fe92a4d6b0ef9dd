#include "tests/support/mangler.h"

#include <algorithm>

namespace TestSupport {

namespace {

std::size_t Place(const std::string& text, std::mt19937& random) {
  return std::uniform_int_distribution<std::size_t>(0, text.size())(random);
}

}  // namespace

Mangler::Mangler(const std::vector<std::string>& tokens) : tokens_(tokens) {
  for (const char* markup : {"<", ">", "/>", "</", "'", "\"", "=", "&", "&amp;", "&#0;", "&#xFFFF;",
                             "<!--", "-->", "<![CDATA[", "]]>", "<?xml version='1.0'?>", "\xff\xfe",
                             "\xc3", " x='1'"}) {
    tokens_.push_back(markup);
  }
  tokens_.push_back(std::string(1, '\0'));
}

std::string Mangler::Mangle(std::string text, std::mt19937& random) const {
  const int count = std::uniform_int_distribution<int>(1, 3)(random);
  for (int i = 0; i < count; ++i) text = MangleOnce(text, random);
  return text;
}

// Mostly insertions, which keep the file readable enough to reach deeper.
std::string Mangler::MangleOnce(std::string text, std::mt19937& random) const {
  const std::size_t at = Place(text, random);
  const std::size_t to = std::max(at, Place(text, random));
  switch (std::uniform_int_distribution<int>(0, 9)(random)) {
    case 0: case 1: case 2: case 3:
      return text.insert(at, tokens_[random() % tokens_.size()]);
    case 4: case 5:
      return text.erase(at, std::min<std::size_t>(to - at, 8));
    case 6: case 7:
      if (at < text.size()) text[at] = char(random());
      return text;
    case 8:
      return text.insert(at, text.substr(at, std::min<std::size_t>(to - at, 64)));
    default:
      return text.substr(0, at);
  }
}

}  // namespace TestSupport
