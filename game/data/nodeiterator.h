// The callback of the XML path document's walk over child elements.
#pragma once

#include <map>
#include <string>

class TiXmlNode;

namespace Kest {

// An element's attributes by name. Ordered, so that elements written from
// a map list their attributes alphabetically.
using AttributeMap = std::map<std::string, std::string>;

class NodeIterator {
 public:
  virtual ~NodeIterator() = default;
  // One element of the walk: its name, a map of its attributes made for
  // this call alone (the visitor may change it), and the element itself.
  // True goes on to the next element; false stops the walk on this one.
  virtual bool Visit(const std::string& name, AttributeMap& attributes, TiXmlNode* node) = 0;
};

}  // namespace Kest
