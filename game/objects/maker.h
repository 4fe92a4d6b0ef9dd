// Makers turn the attributes of a scene element into a new object. Each
// maker registers itself under its name when it is constructed; scene
// elements name their maker by their "class" attribute.
#pragma once

#include <map>
#include <string>

#include "game/data/nodeiterator.h"

namespace Kest {

template <class T>
class Maker {
 public:
  virtual ~Maker() = default;
  Maker(const Maker&) = delete;
  Maker& operator=(const Maker&) = delete;

  // A new T owned by the caller, or null when the attributes do not make one.
  virtual T* Make(AttributeMap& attributes) = 0;

  // The maker registered under that name, or null.
  static Maker* Find(const std::string& name) {
    const auto found = Registry().find(name);
    return found == Registry().end() ? nullptr : found->second;
  }

 protected:
  // A name that is taken already keeps its first maker.
  explicit Maker(const std::string& name) { Registry().emplace(name, this); }

 private:
  // Made on first use, so that makers may register from any file's static
  // objects whatever order they are constructed in.
  static std::map<std::string, Maker*>& Registry() {
    static std::map<std::string, Maker*> makers;
    return makers;
  }
};

}  // namespace Kest
