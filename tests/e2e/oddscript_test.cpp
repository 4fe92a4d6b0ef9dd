// Level scripts that are not plain files inside the game's folder, named as a track would name them: the game loads
// the empty level with a log line saying why, and goes on; a quit signal still ends it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <string>

#include "tests/support/gamerun.h"

namespace {

using TestSupport::GameRun;

bool LogHas(const GameRun& game, const std::string& text) {
  for (const std::string& line : game.LogLines()) {
    if (line.find(text) != std::string::npos) return true;
  }
  return false;
}

// A folder used to end the game with an uncaught exception, a named pipe hung it in open() for good (SIGTERM
// too), /dev/zero grew it without end, and paths out of the folder were run. A picture that is a pipe hung the
// picture library's open.
TEST(OddLevelScript, IsRefusedWithALogLineAndTheGameEndsOnASignal) {
  using Make = std::function<int(const std::string& folder)>;
  const struct {
    const char* name;
    Make make;
    const char* logged;
  } cases[] = {
      {"levels\\parts", nullptr, "not a plain file"},  // the folder of the shipped tracks' scene files
      {"levels\\pipe.lua", [](const std::string& f) { return mkfifo((f + "/levels/pipe.lua").c_str(), 0644); },
       "not a plain file"},
      {"levels\\zero.lua", [](const std::string& f) { return symlink("/dev/zero", (f + "/levels/zero.lua").c_str()); },
       "not a plain file"},
      {"levels\\..\\..\\first.lua", nullptr, "outside the game's folder"},
      {"..\\first.lua", nullptr, "outside the game's folder"},
      {"\\levels\\first.lua", nullptr, "outside the game's folder"},
      {"levels\\pipepicture.lua",
       [](const std::string& f) {
         std::ofstream(f + "/levels/pipepicture.lua") << "GetApplication():SetBgImage('res\\\\pipe.png')\n";
         return mkfifo((f + "/res/pipe.png").c_str(), 0644);
       },
       "Picture res\\pipe.png not loaded: not a plain file"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GameRun game(VANTRAIL_STAGE_DIR, GameRun::NotStarted());
    if (c.make) {
      ASSERT_EQ(c.make(game.Folder()), 0);
    }
    game.Start({c.name});
    ASSERT_FALSE(game.WaitForWindow().empty());
    EXPECT_TRUE(TestSupport::PollUntil(10000, [&] { return LogHas(game, c.logged); }));
    EXPECT_TRUE(game.IsRunning());
    game.Signal(SIGTERM);
    EXPECT_EQ(game.WaitForExit(), 0);
  }
}

}  // namespace
