// Across the shipped tracks, every global function of the script module and
// every one of its types is put to use. The functions are read from the
// module itself; a type counts as used where a track's script shows one of
// its values at work. The test prints which track uses what.
#include <gtest/gtest.h>
#include <lua.hpp>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "script/scriptmanager.h"
#include "tests/tracks/trackride.h"

namespace TrackTest {
namespace {

// Where a value of each type is at work in a level script.
const std::map<std::string, std::vector<std::string>> kTypeEvidence = {
    {"LevelCondition", {"GetLevel():Add("}},
    {"VariableCondition", {"CreateVariableCondition("}},
    {"Condition", {"CreateEventXGreater(", "CreateEventYGreater(", "CreateEventXLess(", "CreateEventYLess(",
                   "CreateEventBox(", "CreateEventFlipped(", "CreateEventCollision("}},
    {"ConditionComposite", {":Add(CreateEvent"}},
    {"Level", {"GetLevel():"}},
    {"Bike", {"GetBike():"}},
    {"Texture", {":GetTexture():"}},
    {"Object", {":SetFillColor(", ":SetMass(", ":SetCollisionMask(", ":RemoveUserJoint(", ":GetTexture("}},
    {"Space", {":Insert(", ":FindObject("}},
    {"App", {":GetSpace(", ":SetBgImage(", ":SetQueryUpdate("}},
    {"Composite", {":AddLine(", ":AddCircle(", ":AddBlock(", ":Finalize("}},
    {"Sprite", {":SetPosition(", ":SetSpeed(", ":SetStatic(", ":SetRandomPositioning(", ":SetLoopDelay(", ":SetSail(",
                ":EnableSail("}},
    {"PickableItem", {":SetImage("}},
};

std::string SourceOf(std::string script) {
  for (char& c : script) c = c == '\\' ? '/' : c;
  std::ifstream in(std::string(VANTRAIL_SOURCE_DIR) + "/" + script);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A call of the name: "Name(" with no letter, digit or underscore before.
bool Calls(const std::string& source, const std::string& name) {
  for (std::size_t at = source.find(name + "("); at != std::string::npos; at = source.find(name + "(", at + 1)) {
    if (at == 0 || (!std::isalnum(static_cast<unsigned char>(source[at - 1])) && source[at - 1] != '_')) return true;
  }
  return false;
}

// The module's global functions, or its type names, from a level's state.
std::set<std::string> Globals(lua_State* L, bool functions) {
  std::set<std::string> names;
  if (functions) lua_pushvalue(L, LUA_GLOBALSINDEX); else lua_getglobal(L, "Kest");
  for (lua_pushnil(L); lua_next(L, -2); lua_pop(L, 1)) {
    if (lua_type(L, -2) == LUA_TSTRING && (functions ? lua_iscfunction(L, -1) : lua_istable(L, -1)))
      names.insert(lua_tostring(L, -2));
  }
  lua_settop(L, 0);
  return names;
}

TEST(ShippedTracks, UseEveryScriptFunctionAndTypeOfTheModule) {
  RideStage();
  const std::vector<Kest::TrackRecord> tracks = ShippedTracks();
  ASSERT_FALSE(tracks.empty());
  RideWatch firstStep;
  firstStep.step = [](int, const Tessora::Vec2&) { return true; };
  RideTrack(tracks.front().fileName, RideKeys(), firstStep);
  lua_State* L = Kest::ScriptManager::GetInstance()->GetState();
  const std::set<std::string> functions = Globals(L, true);
  const std::set<std::string> types = Globals(L, false);
  EXPECT_EQ(functions.size(), 57u);
  EXPECT_EQ(types.size(), kTypeEvidence.size());

  std::map<std::string, std::vector<std::string>> users;
  for (const Kest::TrackRecord& track : tracks) {
    const std::string source = SourceOf(track.fileName);
    std::cout << track.displayName << ":";
    for (const std::string& name : functions) {
      if (!Calls(source, name)) continue;
      users[name].push_back(track.displayName);
      std::cout << " " << name;
    }
    for (const auto& type : kTypeEvidence) {
      if (std::none_of(type.second.begin(), type.second.end(),
                       [&](const std::string& evidence) { return source.find(evidence) != std::string::npos; }))
        continue;
      users[type.first].push_back(track.displayName);
      std::cout << " [" << type.first << "]";
    }
    std::cout << "\n";
  }
  for (const std::string& name : functions) EXPECT_FALSE(users[name].empty()) << name << " is used by no track";
  for (const std::string& type : types) EXPECT_FALSE(users[type].empty()) << type << " is used by no track";
}

}  // namespace
}  // namespace TrackTest
