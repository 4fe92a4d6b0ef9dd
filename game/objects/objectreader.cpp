#include "game/objects/objectreader.h"

#include <boost/algorithm/string/predicate.hpp>

#include "game/objects/object.h"
#include "game/objects/shapemakers.h"
#include "game/utility/utility.h"

namespace Kest {

namespace {

void Walked(const SceneWork& work, const AttributeMap& attributes) {
  if (work) work(1, attributes.size());
}

}  // namespace

Object* LoadObjectFile(const std::string& fileName, const AttributeMap& overrides) {
  SceneFiles files;
  return LoadObjectFile(fileName, overrides, files, SceneWork());
}

Object* LoadObjectFile(const std::string& fileName, const AttributeMap& overrides,
                       SceneFiles& files, const SceneWork& work) {
  ObjectReader reader(files, work);
  reader.SetOverrides(overrides);
  return reader.Read(fileName);
}

bool compositeReader::Visit(const std::string& /*name*/, AttributeMap& attributes,
                            TiXmlNode* /*node*/) {
  Walked(work_, attributes);
  return true;
}

ObjectReader::ObjectReader(SceneFiles& files, const SceneWork& work) : files_(files), work_(work) {}

ObjectReader::~ObjectReader() = default;

Object* ObjectReader::Read(const std::string& fileName) {
  document_ = files_.Open(fileName, work_);
  if (document_) WalkScene(*document_, overrides_.empty() ? nullptr : &overrides_);
  return first_.release();
}

void ObjectReader::WalkScene(XmlPathDocument& document, const AttributeMap* defaults) {
  if (!document.GoTo("/scene")) return;
  XmlPathDocument* outer = walking_;
  walking_ = &document;
  document.Iterate(*this, defaults);
  walking_ = outer;
}

// The walk ends with the first object: it is the only one kept.
bool ObjectReader::Visit(const std::string& /*name*/, AttributeMap& attributes, TiXmlNode* node) {
  Walked(work_, attributes);
  if (first_ || NamesFileOutsideTheGame(attributes)) return false;
  const auto def = attributes.find("def");
  if (def != attributes.end()) {
    const std::string included = def->second;
    attributes.erase(def);
    Include(included, attributes);
    return !first_;
  }
  const auto shape = attributes.find("shape");
  if (shape != attributes.end() && boost::algorithm::iequals(shape->second, "composite")) {
    WalkComposite(attributes, node);
  }
  first_.reset(MakeObject(attributes));
  return !first_;
}

// Scene files come with tracks from anywhere: a file named outside the
// game's folder ends the read, as a broken file would.
bool ObjectReader::NamesFileOutsideTheGame(const AttributeMap& attributes) const {
  for (const char* key : {"def", "texture"}) {
    const auto file = attributes.find(key);
    if (file == attributes.end() || !LeavesGameFolder(file->second)) continue;
    Log("Scene file " + walking_->GetFileName() + ": " + file->second + " is outside the game's folder, refused");
    return true;
  }
  return false;
}

void ObjectReader::Include(const std::string& fileName, const AttributeMap& defaults) {
  if (!MayInclude(fileName)) return;
  const std::shared_ptr<XmlPathDocument> document = files_.Open(fileName, work_);
  if (!document) return;
  ++depth_;
  WalkScene(*document, &defaults);
  --depth_;
}

bool ObjectReader::MayInclude(const std::string& fileName) {
  const bool tooDeep = depth_ >= kMaxIncludeDepth;
  const bool tooMany = includes_ >= kMaxIncludes;
  if (!tooDeep && !tooMany) {
    ++includes_;
    return true;
  }
  if (!limitLogged_) {
    Log("Scene file " + document_->GetFileName() + ": " + fileName + " not included, " +
        (tooDeep ? "includes nest deeper than " + ToString(kMaxIncludeDepth)
                 : "more than " + ToString(kMaxIncludes) + " includes"));
    limitLogged_ = true;
  }
  return false;
}

// The walk moves the cursor of the element's document: it is put back after.
void ObjectReader::WalkComposite(AttributeMap& attributes, TiXmlNode* node) {
  compositeReader parts(work_);
  walking_->PushNode();
  walking_->Iterate(parts, &attributes, node);
  walking_->PopNode();
}

}  // namespace Kest
