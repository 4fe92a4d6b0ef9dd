#include "game/objects/scenefiles.h"

#include "game/data/xmlpathdocument.h"

namespace Kest {

namespace {

struct Size {
  std::size_t elements = 0;
  std::size_t attributes = 0;
};

// Every element of the document, in document order without recursion.
Size SizeOf(const TiXmlNode& document) {
  Size size;
  const TiXmlNode* node = document.FirstChild();
  while (node) {
    if (const TiXmlElement* element = node->ToElement()) {
      ++size.elements;
      for (const TiXmlAttribute* a = element->FirstAttribute(); a; a = a->Next()) ++size.attributes;
    }
    if (node->FirstChild()) {
      node = node->FirstChild();
      continue;
    }
    while (node && node != &document && !node->NextSibling()) node = node->Parent();
    node = node && node != &document ? node->NextSibling() : nullptr;
  }
  return size;
}

}  // namespace

SceneFiles::SceneFiles() = default;

SceneFiles::~SceneFiles() = default;

std::shared_ptr<XmlPathDocument> SceneFiles::Open(const std::string& fileName,
                                                  const SceneWork& work) {
  if (IsMissing(fileName)) return nullptr;
  const auto parsed = parsed_.find(fileName);
  if (parsed != parsed_.end()) return parsed->second;
  auto document = std::make_shared<XmlPathDocument>();
  if (!document->Load(fileName)) {
    missing_.Add(fileName);
    return nullptr;
  }
  // Kept before the parse is charged: when the charge ends the chunk, the
  // next one does not parse the file again.
  const Size size = SizeOf(*document);
  if (parsed_.size() < kMostHeldFiles && heldElements_ + size.elements <= kMostHeldElements) {
    heldElements_ += size.elements;
    parsed_.emplace(fileName, document);
  }
  if (work) work(size.elements, size.attributes);
  return document;
}

}  // namespace Kest
