// The scene files one level reads, parsed once: a script that makes the
// same scene object a hundred times, or a file that includes another many
// times over, walks the parsed document again instead of reading and
// parsing the file each time. A file that does not load is remembered as
// missing. What is kept is bounded: a document past kMostHeldFiles or
// kMostHeldElements is parsed for its read and let go.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "game/objects/missingfiles.h"

namespace Kest {

class XmlPathDocument;

// The work of a read as it is done: elements parsed or walked, and the
// attributes they carry.
using SceneWork = std::function<void(std::size_t elements, std::size_t attributes)>;

class SceneFiles {
 public:
  static constexpr std::size_t kMostHeldFiles = 1000;
  static constexpr std::size_t kMostHeldElements = 200000;

  SceneFiles();
  ~SceneFiles();
  SceneFiles(const SceneFiles&) = delete;
  SceneFiles& operator=(const SceneFiles&) = delete;

  // The parsed file, or null when it does not load. A file parsed now tells
  // the work its elements took.
  std::shared_ptr<XmlPathDocument> Open(const std::string& fileName, const SceneWork& work);
  // Whether the file failed to load in this level.
  bool IsMissing(const std::string& fileName) const { return missing_.Contains(fileName); }

 private:
  std::map<std::string, std::shared_ptr<XmlPathDocument>> parsed_;
  std::size_t heldElements_ = 0;
  MissingFiles missing_;
};

}  // namespace Kest
