// How deeply the XML parser nests for a text, found without nesting. The
// parser calls itself once for every element inside another, so a file of
// elements nested some ten thousand deep uses up the stack; such a text is
// measured first and refused.
#pragma once

#include <string>

namespace Kest {

// Element levels far beyond any file of the game's, and far within the
// stack the parser gets, with the sanitizers' larger calls too.
constexpr int kMaxXmlNesting = 1000;

// The deepest the parser nests its elements for text (as it is handed to
// the parser: no NUL inside), never less; counting stops past cap. Where
// the parser's reading depends on the encoding a declaration names (a
// UTF-8 lead byte takes the bytes after it, markup included), both
// readings are measured.
int XmlNesting(const std::string& text, int cap);

}  // namespace Kest
