// Scene files come from anywhere a track comes from: broken ones, even
// hostile ones, must never crash the game. Mangled scene files, which
// include one another and themselves, are read with every kind of override.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "game/objects/object.h"
#include "game/objects/objectreader.h"
#include "platform/trace.h"
#include "tests/support/scene.h"
#include "tests/support/mangler.h"
#include "tests/support/scratchfolder.h"

namespace ObjectsTest {
namespace {

constexpr int kInputs = 100000;
const char* const kFiles[] = {"a.xml", "b.xml", "c.xml"};

// Tokens of scene files: every class and attribute, values at the edges of
// the floats, and includes of the fuzzed files themselves.
std::vector<std::string> SceneTokens(const TestSupport::ScratchFolder& folder) {
  std::vector<std::string> tokens = {
      "<scene>", "</scene>", " class='circle'", " class='line'", " class='arc'", " class='block'",
      " class=''", " shape='composite'", " radius='1e38'", " radius='-0'", " x='nan'", " x='inf'",
      " x='3.4e38'", " y='-3.4e38'", " width='1e-45'", " height='4e38'", " x2='1e30'",
      " quarter='-2147483648'", " quarter='3'", " hflip='1'", " vflip='true'", " dynamic='1'",
      " texture='res\\missing.png'"};
  for (const char* name : kFiles) tokens.push_back(" def='" + folder.Path(name) + "'");
  return tokens;
}

std::string SeedScene(const TestSupport::ScratchFolder& folder, int which) {
  const std::string include = "<inc def='" + folder.Path(kFiles[which % 3]) + "' x='4'/>";
  const std::string seeds[] = {
      "<c class='circle' x='10' y='20' radius='5' dynamic='true'/>",
      "<l class='line' x='100' y='0' x1='0' y1='0' x2='50' y2='10' hflip='true'/>",
      "<a class='arc' x='0' y='0' radius='40' quarter='2' vflip='1' texture='res\\a.png'/>",
      "<b class='block' x='1' y='2' width='40' height='20' hflip='1' vflip='1'/>",
      "<k shape='composite' class='circle' radius='7'><p shape='block'/><p shape='line'/></k>",
      include + "<c class='circle' radius='3'/>",
  };
  return "<?xml version='1.0'?>\n<scene>\n" + seeds[which % 6] + "\n" + include + "\n</scene>\n";
}

Kest::AttributeMap RandomOverrides(std::mt19937& random) {
  switch (random() % 3) {
    case 0: return {};
    case 1: return {{"x", "1234567"}, {"y", "-0.5"}};
    default: return {{"x", "3e38"}, {"y", "1"}, {"hflip", "1"}, {"vflip", "0"}};
  }
}

class SceneFuzz : public TestSupport::Scene {};

TEST_F(SceneFuzz, MangledSceneFilesNeverCrashTheReader) {
  // A hundred thousand files and many more log lines: kept in memory.
  TestSupport::ScratchFolder folder(std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp");
  Platform::SetTraceFile(folder.Path("trace.log"));
  const TestSupport::Mangler mangler(SceneTokens(folder));
  std::mt19937 random(14);
  int built = 0;
  for (int input = 0; input < kInputs; ++input) {
    const char* name = kFiles[input % 3];
    folder.Write(name, mangler.Mangle(SeedScene(folder, int(random() % 6)), random));
    std::unique_ptr<Kest::Object> object(
        Kest::LoadObjectFile(folder.Path(name), RandomOverrides(random)));
    built += object != nullptr;
  }
  Platform::SetTraceFile("vantrail.log");
  // Many inputs are still scene files that make something.
  EXPECT_GT(built, kInputs / 10);
}

}  // namespace
}  // namespace ObjectsTest
