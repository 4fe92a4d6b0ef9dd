// The script tests' level: the real application (its window opens once per test program), a level object with its
// managers for each suite, and helpers that load a level script written to a scratch file, run event texts and read
// back what the script left in its globals.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/app/app.h"
#include "game/level/level.h"
#include "game/objects/space.h"
#include "tests/support/tracecapture.h"

struct lua_State;

namespace ScriptTest {

class ScriptLevel : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void TearDown() override;

  // Loads the source as the level script; true when it ran without error.
  bool Load(const std::string& source);
  // Runs an event text in the current state, as a pass of the main loop of its own.
  bool Run(const std::string& text);
  // The value of a Lua expression in the current state, shown as text:
  // numbers as written by Lua, "nil", "true", "false", "object", "table".
  std::string Eval(const std::string& expression);
  // Physics steps as the main loop takes them, one a pass, a frame before every eighth.
  static void Play(int steps);

  static lua_State* State();
  // The object a global holds; null for anything else or a null handle.
  static Kest::Object* Global(const char* name);
  static Kest::Space& Space() { return *Kest::GetApplication()->GetSpace(); }
  static Kest::Level& Level() { return *Kest::Level::GetInstance(); }

  TestSupport::TraceCapture trace;

 private:
  static Kest::App* app;
  static Kest::Level* level;
};

// Writes text to a file of that name in the working folder.
void WriteFile(const std::string& name, const std::string& text);

}  // namespace ScriptTest
