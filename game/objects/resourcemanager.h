// The level's images and prototypes. Every user of an image gets a light
// bitmap of its own over the one texture cached per file name; prototypes
// are objects kept outside the space from which copies are made. Every level
// load makes a new manager.
#pragma once

#include <map>
#include <string>
#include <unordered_set>

#include "game/objects/missingfiles.h"
#include "game/objects/scenefiles.h"
#include "game/utility/heldtext.h"

namespace ol {
class Bitmap;
}

namespace Kest {

class Object;
class Sprite;

class ResourceManager {
 public:
  // Deletes the old manager, and with it its images and prototypes.
  static void Create();
  static void Destroy();
  // Null before Create and after Destroy.
  static ResourceManager* GetInstance();
  // Counts every Create and Destroy: bitmaps handed out in an older
  // generation share textures that are gone.
  static unsigned GetGeneration();

  ~ResourceManager();
  ResourceManager(const ResourceManager&) = delete;
  ResourceManager& operator=(const ResourceManager&) = delete;

  // A new bitmap, owned by the caller, sharing the file's cached texture,
  // pivot at its centre. Null when the file does not load, and from then
  // on for this level without trying again; null when no screen exists, and
  // the next call tries again.
  ol::Bitmap* GetBitmap(const std::string& fileName);
  // The scene files this level has read.
  SceneFiles& GetSceneFiles() { return sceneFiles_; }

  // The manager owns the object from then on, and deletes an older
  // prototype of that name. Refused with a log line: null, an object that
  // stands in the application's space, an object registered under another
  // name. The same pair again changes nothing.
  void RegisterObject(const std::string& name, Object* object);
  bool IsPrototype(const Object* object) const;
  // Deletes every prototype. A level load does this before the world its
  // prototypes' bodies live in is replaced.
  void ClearPrototypes();
  Object* FindPrototype(const std::string& name) const;

  // A copy of the sprite prototype of that name; null when there is none or
  // it is no sprite.
  Sprite* CloneSprite(const std::string& name);
  // Moves the prototype to (x, y) and returns its copy; null without a
  // prototype, for a prototype outside physics, and for kinds that do not
  // copy.
  Object* CloneObject(const std::string& name, float x, float y);

 private:
  ResourceManager() = default;

  HeldTextMap<Object*> prototypes_;
  // The same prototypes by address: every insertion into the space asks.
  std::unordered_set<const Object*> prototypeObjects_;
  std::map<std::string, ol::Bitmap*> bitmaps_;
  MissingFiles missingBitmaps_;
  SceneFiles sceneFiles_;
};

}  // namespace Kest
