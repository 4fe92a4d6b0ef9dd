#include "game/objects/resourcemanager.h"

#include <cerrno>
#include <memory>
#include <typeinfo>

#include "game/app/app.h"
#include "game/objects/object.h"
#include "game/objects/space.h"
#include "game/objects/sprite.h"
#include "game/utility/utility.h"
#include "platform/plainfile.h"
#include "platform/platform.h"
#include "render/bitmap.h"
#include "render/rect.h"
#include "render/setup.h"
#include "tessora/object.h"
#include "tessora/shape.h"

namespace Kest {

namespace {

std::unique_ptr<ResourceManager>& Instance() {
  static std::unique_ptr<ResourceManager> instance;
  return instance;
}

unsigned generation = 0;

// Whether the object already belongs to the level's space.
bool StandsInSpace(const Object* object) {
  const App* app = GetApplication();
  const Space* space = app ? app->GetSpace() : nullptr;
  if (!space) return false;
  return space->Contains(object) ||
         (object->GetBody() && space->FindByBody(object->GetBody()) != nullptr);
}

// Far above any picture of a track.
constexpr std::size_t kMaxPictureBytes = 64u << 20;

// The picture library opens a file by name and reads it as it comes: a
// track that names a pipe or a device would make it wait or read for good.
bool IsPictureFile(const std::string& fileName) {
  const std::string path = Platform::ToNativePath(ol::Setup::ToAbsolutePathname(fileName));
  const int refused = Platform::CheckPlainFile(path, kMaxPictureBytes);
  if (refused == 0 || refused == ENOENT) return true;  // a missing one the loader reports
  Log("Picture " + fileName + " not loaded: " + Platform::RefusalText(refused));
  return false;
}

// The bitmap of the file, loaded now: only with a screen, else the load
// would only be queued, and the texture would never arrive for this level;
// the caller then goes on without the image.
ol::Bitmap* LoadUncached(const std::string& fileName) {
  if (!ol::Setup::IsScreenSetUp() || !IsPictureFile(fileName)) return nullptr;
  std::unique_ptr<ol::Bitmap> bitmap(new ol::Bitmap());
  if (!bitmap->Load(fileName, 0)) return nullptr;
  return bitmap.release();
}

}  // namespace

void ResourceManager::Create() {
  Instance().reset(new ResourceManager());
  ++generation;
}

void ResourceManager::Destroy() {
  Instance().reset();
  ++generation;
}

ResourceManager* ResourceManager::GetInstance() { return Instance().get(); }

unsigned ResourceManager::GetGeneration() { return generation; }

ResourceManager::~ResourceManager() {
  ClearPrototypes();
  for (auto& bitmap : bitmaps_) delete bitmap.second;
}

void ResourceManager::ClearPrototypes() {
  HeldTextMap<Object*> prototypes;
  prototypes.swap(prototypes_);
  prototypeObjects_.clear();
  for (auto& prototype : prototypes) delete prototype.second;
}

ol::Bitmap* ResourceManager::GetBitmap(const std::string& fileName) {
  auto cached = bitmaps_.find(fileName);
  if (cached == bitmaps_.end()) {
    if (!ol::Setup::IsScreenSetUp() || missingBitmaps_.Contains(fileName)) return nullptr;
    ol::Bitmap* loaded = LoadUncached(fileName);
    if (!loaded) {
      missingBitmaps_.Add(fileName);
      return nullptr;
    }
    cached = bitmaps_.emplace(fileName, loaded).first;
  }
  ol::Bitmap& source = *cached->second;
  const int w = source.Width();
  const int h = source.Height();
  ol::Bitmap* bitmap = new ol::Bitmap(source, ol::Rect(0.0f, 0.0f, float(w), float(h)));
  bitmap->SetDefaultPivot(float(w / 2), float(h / 2));
  return bitmap;
}

void ResourceManager::RegisterObject(const std::string& name, Object* object) {
  if (!object) {
    Log("RegisterObject: no object to register as \"" + name + "\"");
    return;
  }
  const auto named = prototypes_.find(name);
  if (named != prototypes_.end() && named->second == object) {
    Log("RegisterObject: \"" + name + "\" is already this object");
    return;
  }
  if (IsPrototype(object)) {
    Log("RegisterObject: the object is already registered under another name than \"" +
        name + "\"");
    return;
  }
  if (StandsInSpace(object)) {
    Log("RegisterObject: an object in the space is not registered as \"" + name + "\"");
    return;
  }
  if (named != prototypes_.end()) {
    prototypeObjects_.erase(named->second);
    delete named->second;
    named->second = object;
  } else {
    prototypes_.emplace(name, object);
  }
  prototypeObjects_.insert(object);
}

bool ResourceManager::IsPrototype(const Object* object) const {
  return prototypeObjects_.count(object) != 0;
}

Object* ResourceManager::FindPrototype(const std::string& name) const {
  const auto entry = prototypes_.find(name);
  return entry == prototypes_.end() ? nullptr : entry->second;
}

Sprite* ResourceManager::CloneSprite(const std::string& name) {
  // Only a plain sprite copies as one: a kind built on it would lose its own
  // part in the copy.
  const Object* prototype = FindPrototype(name);
  if (!prototype || typeid(*prototype) != typeid(Sprite)) return nullptr;
  return new Sprite(static_cast<const Sprite&>(*prototype));
}

Object* ResourceManager::CloneObject(const std::string& name, float x, float y) {
  Object* prototype = FindPrototype(name);
  if (!prototype || !prototype->GetBody()) return nullptr;
  prototype->GetBody()->GetShape()->SetPosition(Tessora::Vec2(x, y));
  return prototype->Clone();
}

}  // namespace Kest
