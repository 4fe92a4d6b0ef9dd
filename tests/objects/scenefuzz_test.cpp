// Scene files come from anywhere a track comes from: broken or hostile
// ones, including one another and themselves, must never crash the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "game/objects/object.h"
#include "game/objects/objectreader.h"
#include "platform/trace.h"
#include "tests/support/mangler.h"
#include "tests/support/scene.h"
#include "tests/support/scratchfolder.h"

namespace ObjectsTest {
namespace {

constexpr int kInputs = 100000;
const char* const kFiles[] = {"a.xml", "b.xml", "c.xml"};
using SceneFuzz = TestSupport::Scene;

TEST_F(SceneFuzz, MangledSceneFilesNeverCrashTheReader) {
  TestSupport::ScratchFolder folder(std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp");
  Platform::SetTraceFile(folder.Path("trace.log"));
  // Every class and attribute, values at the edges of the floats, and
  // includes of the fuzzed files themselves.
  std::vector<std::string> tokens = {
      "<scene>", "</scene>", " class='circle'", " class='line'", " class='arc'", " class='block'", " class=''",
      " shape='composite'", " radius='1e38'", " radius='-0'", " x='nan'", " x='inf'", " x='3.4e38'",
      " y='-3.4e38'", " width='1e-45'", " height='4e38'", " x2='1e30'", " quarter='-2147483648'",
      " quarter='3'", " hflip='1'", " vflip='true'", " dynamic='1'", " texture='res\\missing.png'"};
  for (const char* name : kFiles) tokens.push_back(" def='" + folder.Path(name) + "'");
  const TestSupport::Mangler mangler(tokens);
  const std::string seeds[] = {
      "<c class='circle' x='10' y='20' radius='5' dynamic='true'/>",
      "<l class='line' x='100' y='0' x1='0' y1='0' x2='50' y2='10' hflip='true'/>",
      "<a class='arc' x='0' y='0' radius='40' quarter='2' vflip='1' texture='res\\a.png'/>",
      "<b class='block' x='1' y='2' width='40' height='20' hflip='1' vflip='1'/>",
      "<k shape='composite' class='circle' radius='7'><p shape='block'/><p shape='line'/></k>",
      "<c class='circle' radius='3'/>"};
  const Kest::AttributeMap overrides[] = {
      {}, {{"x", "1234567"}, {"y", "-0.5"}}, {{"x", "3e38"}, {"y", "1"}, {"hflip", "1"}, {"vflip", "0"}}};
  std::mt19937 random(14);
  int built = 0;
  for (int input = 0; input < kInputs; ++input) {
    const std::string include = "<inc def='" + folder.Path(kFiles[random() % 3]) + "' x='4'/>";
    const std::string scene = "<?xml version='1.0'?>\n<scene>\n" + seeds[random() % 6] + include + "\n</scene>\n";
    const char* name = kFiles[input % 3];
    folder.Write(name, mangler.Mangle(scene, random));
    built += std::unique_ptr<Kest::Object>(Kest::LoadObjectFile(folder.Path(name), overrides[random() % 3])) != nullptr;
  }
  Platform::SetTraceFile("vantrail.log");
  EXPECT_GT(built, kInputs / 10) << "too few inputs are still scene files that make something";
}

}  // namespace
}  // namespace ObjectsTest
