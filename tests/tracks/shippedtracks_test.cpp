// The shipped tracks: every track of the track list loads without a fault
// and is finished, within its level time, by the ride recorded for it in
// rides/ (named after the track's script); and across them every global
// function and every type of the script module is put to use. The functions
// are read from the module itself; a type counts as used where a track's
// script shows one of its values at work. The test prints which track uses what.
#include <gtest/gtest.h>
#include <lua.hpp>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <allegro.h>
#include <guichan/font.hpp>
#include <guichan/widgets/window.hpp>

#include "game/level/level.h"
#include "game/screens/guifont.h"
#include "game/screens/objectiveswindow.h"
#include "script/scriptmanager.h"
#include "tests/support/tracecapture.h"
#include "tests/tracks/trackride.h"

namespace Kest {
// Failures name the track, not its bytes.
void PrintTo(const TrackRecord& track, std::ostream* out) { *out << track.fileName; }
}  // namespace Kest

namespace TrackTest {
namespace {

class ShippedTrack : public ::testing::TestWithParam<Kest::TrackRecord> {
 protected:
  static void SetUpTestSuite() { RideStage(); }
};

TEST_P(ShippedTrack, LoadsWithNothingLoggedAndIsFinishedInTimeByItsRecordedRide) {
  const std::string& script = GetParam().fileName;
  const RideKeys keys = LoadRideKeys(RideFileOf(script));
  ASSERT_EQ(keys.error, "");
  TestSupport::TraceCapture trace;
  std::vector<std::string> loadLog;
  RideWatch watch;
  watch.step = [&](int step, const Tessora::Vec2&) {
    if (step == 1) loadLog = trace.Lines();
    return false;
  };
  const RideResult ride = RideTrack(script, keys, watch);
  EXPECT_EQ(loadLog, std::vector<std::string>{"Loading the level " + script});
  EXPECT_EQ(ride.end, RideEnd::kFinished) << RideEndName(ride.end) << " at " << ride.bike.x << ", "
                                          << ride.bike.y << " after " << ride.steps << " steps";
  EXPECT_LT(ride.playMs, ride.levelTimeMs);
  // The time part of the score is the time left in ticks of 10 ms: within a
  // tick of the ride's own clock.
  EXPECT_NEAR(ride.score.time, (ride.levelTimeMs - ride.playMs) / 10.0, 1.0);
  // The ride replays exactly: any change to the track, the bike or the
  // physics that alters it shows here (record it again, README.md).
  EXPECT_EQ(ride.steps, keys.finishStep);
  EXPECT_EQ(TotalScore(ride), keys.finishScore);
  RecordProperty("seconds", std::to_string(ride.playMs / 1000.0));
  RecordProperty("score", std::to_string(TotalScore(ride)));
}

std::string TestNameOf(const ::testing::TestParamInfo<Kest::TrackRecord>& info) {
  std::string name;
  for (char c : info.param.displayName) if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  return name;
}

INSTANTIATE_TEST_SUITE_P(TrackList, ShippedTrack, ::testing::ValuesIn(ShippedTracks()), TestNameOf);

// The first track is for someone who has never ridden: holding Up alone
// finishes it with every goal taken, and so does holding Up and tapping
// Right at the steady beats below, slow or quick.
// A newcomer starts the level with any key and may look around before
// holding Up: the bike stands at its start meanwhile.
TEST(TrainingField, IsFinishedByHoldingUpAloneOrTappingRightAtASteadyBeat) {
  RideStage();
  struct Row {
    int wait;  // physics steps of 2 ms with no key held before Up
    int beat;  // physics steps between taps of Right; 0 for none
  };
  for (const Row& row : {Row{1, 0}, Row{250, 0}, Row{500, 0}, Row{1000, 0}, Row{1500, 0}, Row{2500, 0}, Row{1, 400},
                         Row{1, 500}, Row{1, 700}}) {
    RideKeys keys = row.beat ? SimpleRide(KEY_RIGHT, row.beat) : SimpleRide(0, 0);
    keys.runs.front().steps = row.wait;
    const RideResult ride = RideTrack("levels\\training.lua", keys);
    EXPECT_EQ(ride.end, RideEnd::kFinished) << "Up after " << row.wait << " steps, a tap every " << row.beat
                                            << " steps: " << RideEndName(ride.end) << " at " << ride.bike.x << ", "
                                            << ride.bike.y;
    EXPECT_LT(ride.playMs, ride.levelTimeMs);
    if (ride.end == RideEnd::kFinished)
      std::cout << "Training Field, Up held after " << row.wait * 2 << " ms"
                << (row.beat ? " and Right tapped every " + std::to_string(row.beat * 2) + " ms" : "") << ": "
                << ride.playMs / 1000.0 << " s, score " << TotalScore(ride) << "\n";
  }
}

// The objectives window is 400 by 300 pixels, starts its texts 70 pixels
// in and its rows 10 down, 42 apart: every goal of every track fits on its
// row in the global font, and every row in the window.
TEST(ShippedTracks, EveryObjectiveFitsTheObjectivesWindowInTheGlobalFont) {
  RideStage();
  Kest::GuiFont guiFont;
  Kest::ObjectivesWindow::Create();
  gcn::Window window;
  window.setDimension(gcn::Rectangle(0, 0, 400, 300));
  const gcn::Font* font = window.getFont();  // the global font, as the window's labels have it
  const int room = window.getChildrenArea().width - 70;
  RideWatch firstStep;
  firstStep.step = [](int, const Tessora::Vec2&) { return true; };
  for (const Kest::TrackRecord& track : ShippedTracks()) {
    RideTrack(track.fileName, RideKeys(), firstStep);
    const std::vector<Kest::HeldText>& objectives = Kest::ObjectivesWindow::GetInstance()->GetObjectives();
    EXPECT_FALSE(objectives.empty()) << track.displayName;
    const int lastRowBottom = 10 + 42 * (int(objectives.size()) - 1) + 32;
    EXPECT_LE(lastRowBottom, window.getChildrenArea().height) << track.displayName;
    for (const std::string& text : objectives)
      EXPECT_LE(font->getWidth(text), room) << track.displayName << ": " << text;
  }
  Kest::ObjectivesWindow::Destroy();
}

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

// A call of the name: "Name(" with no letter, digit or underscore before.
bool Calls(const std::string& source, const std::string& name) {
  for (std::size_t at = source.find(name + "("); at != std::string::npos; at = source.find(name + "(", at + 1)) {
    if (at == 0 || (!std::isalnum(static_cast<unsigned char>(source[at - 1])) && source[at - 1] != '_')) return true;
  }
  return false;
}

// The module table behind the read-only view scripts see: the upvalue of the view's reading event.
void PushModuleTable(lua_State* L) {
  lua_getglobal(L, "Kest");
  lua_getmetatable(L, -1);
  lua_getfield(L, -1, "__index");
  lua_getupvalue(L, -1, 1);
}

// The module's global functions, or its type names, from a level's state.
std::set<std::string> Globals(lua_State* L, bool functions) {
  std::set<std::string> names;
  if (functions) lua_pushvalue(L, LUA_GLOBALSINDEX); else PushModuleTable(L);
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
    std::string path = std::string(VANTRAIL_SOURCE_DIR) + "/" + track.fileName;
    std::replace(path.begin(), path.end(), '\\', '/');
    std::ifstream in(path);
    const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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
