// The scene reader: builds a level object from a small XML scene file.
//
// Under "/scene" every child element is visited, whatever its name. An
// element with "def" includes the scene file it names, its other attributes
// overriding those of the included elements; files named outside the game's
// folder ("def", "texture") end the read. An element whose "shape" is
// "composite" has its parts walked. Every other element, composites
// included, is made by the maker its "class" names (see shapemakers.h).
#pragma once

#include <memory>
#include <string>

#include "game/data/nodeiterator.h"
#include "game/data/xmlpathdocument.h"
#include "game/objects/scenefiles.h"

namespace Kest {

class Object;

// The first object that the scene file builds, owned by the caller, or null
// when it builds none (a missing file, no "/scene", no element a maker
// takes). The overrides (say "x", "y", "hflip", "vflip") replace those
// attributes of every element. The read ends with the first object: the
// elements after it are not built at all. The files are read afresh.
Object* LoadObjectFile(const std::string& fileName, const AttributeMap& overrides);
// The same with the files of the level, told the work of the read as it
// goes (which may end it by throwing).
Object* LoadObjectFile(const std::string& fileName, const AttributeMap& overrides,
                       SceneFiles& files, const SceneWork& work);

// Visits the parts of a composite element. The parts have no objects of
// their own: the composite is made by its own "class".
class compositeReader : public NodeIterator {
 public:
  explicit compositeReader(const SceneWork& work) : work_(work) {}
  bool Visit(const std::string& name, AttributeMap& attributes, TiXmlNode* node) override;

 private:
  const SceneWork& work_;
};

class ObjectReader : public NodeIterator {
 public:
  // Includes nest at most this deep; a file that includes itself stops here.
  static constexpr int kMaxIncludeDepth = 16;
  // At most this many files are included by one read, so that a file that
  // includes itself several times cannot keep the game busy for hours.
  static constexpr int kMaxIncludes = 256;

  ObjectReader(SceneFiles& files, const SceneWork& work);
  ~ObjectReader() override;

  void SetOverrides(const AttributeMap& overrides) { overrides_ = overrides; }
  // Walks the file up to the first object built, now owned by the caller.
  Object* Read(const std::string& fileName);

  bool Visit(const std::string& name, AttributeMap& attributes, TiXmlNode* node) override;

 private:
  void WalkScene(XmlPathDocument& document, const AttributeMap* defaults);
  bool NamesFileOutsideTheGame(const AttributeMap& attributes) const;
  void Include(const std::string& fileName, const AttributeMap& defaults);
  bool MayInclude(const std::string& fileName);
  void WalkComposite(AttributeMap& attributes, TiXmlNode* node);

  SceneFiles& files_;
  const SceneWork& work_;
  std::shared_ptr<XmlPathDocument> document_;
  std::unique_ptr<Object> first_;
  AttributeMap overrides_;
  XmlPathDocument* walking_ = nullptr;  // the document of the element being visited
  int depth_ = 0;
  int includes_ = 0;
  bool limitLogged_ = false;
};

}  // namespace Kest
