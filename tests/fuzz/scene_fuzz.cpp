// Scene files as level scripts place them: any file, including others and
// itself, gives an object or none, and the object steps in a world.
//
// The input's first byte picks the overrides a script would give; the rest
// is up to three files, "a.xml" (the one read), "b.xml" and "c.xml",
// separated by lines of "%%". Files include one another by those names.
#include <ode/ode.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/app/app.h"
#include "game/app/mainloop.h"
#include "game/objects/bodyobject.h"
#include "game/objects/object.h"
#include "game/objects/objectreader.h"
#include "game/objects/resourcemanager.h"
#include "game/objects/space.h"
#include "tessora/world.h"
#include "tests/fuzz/fuzzinput.h"

namespace {

const char* const kFiles[] = {"a.xml", "b.xml", "c.xml"};
const char kSeparator[] = "\n%%\n";

const Kest::AttributeMap kOverrides[] = {
    {}, {{"x", "120"}, {"y", "-40"}}, {{"x", "3e38"}, {"y", "1"}, {"hflip", "1"}, {"vflip", "1"}}};

// One world with the game's settings for the whole run, without a screen.
Tessora::World* world = nullptr;

void WriteFiles(const std::string& text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::size_t end = i < 2 ? text.find(kSeparator, start) : std::string::npos;
    Fuzz::WriteFile(kFiles[i], start > text.size() ? "" : text.substr(start, end - start));
    start = end == std::string::npos ? text.size() + 1 : end + sizeof kSeparator - 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz::StartRun();
  Fuzz::EnterFolder(Fuzz::ScratchFolder(), argc, argv);
  world = new Tessora::World;
  Kest::ApplyGameSettings(*world);
  Kest::SetPhysicsWorld(world);
  Kest::ResourceManager::Create();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  WriteFiles(Fuzz::Text(data + 1, size - 1));
  // The solver orders its constraints at random: the same input, the same run.
  dRandSetSeed(0);
  Kest::Object* object = Kest::LoadObjectFile(kFiles[0], kOverrides[data[0] % 3]);
  if (!object) return 0;
  // The object in a space, collided and stepped as the game steps a level.
  Kest::Space space;
  space.Insert(object);
  for (int i = 0; i < 3; ++i) {
    std::vector<Tessora::Object*> candidates;
    for (Kest::Object* o : space) candidates.push_back(o->GetBody());
    world->CollideObjects(candidates);
    world->Step(Kest::MainLoop::kStepLength);
  }
  return 0;
}
