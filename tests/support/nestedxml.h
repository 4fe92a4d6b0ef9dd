// Elements nested far deeper than any file of the game's, for the readers'
// tests: the parser calls itself once for every level.
#pragma once

#include <string>

namespace TestSupport {

constexpr int kDeepNesting = 100000;

// levels elements "<a>" one inside the other, each closed.
inline std::string NestedElements(int levels = kDeepNesting) {
  std::string text;
  for (int i = 0; i < levels; ++i) text += "<a>";
  for (int i = 0; i < levels; ++i) text += "</a>";
  return text;
}

}  // namespace TestSupport
