// The track list on a real screen, worked with keys.
#include "game/screens/trackselectdialog.h"

#include <gtest/gtest.h>

#include <allegro.h>

#include "game/screens/guifont.h"
#include "tests/data/datafiles.h"
#include "tests/screens/scriptedkeys.h"
#include "tests/support/glscreen/screen.h"

namespace {

class TrackSelect : public DataTest::DataFiles {
 protected:
  TrackSelect() {
    LoadTracks("<track name='Hills' filename='hills.lua'/><track name='Quarry' filename='quarry.lua'/>");
  }
  Kest::GuiFont guiFont;  // the image loader
};

constexpr int kEnter = KEY_ENTER << 8 | 13;
constexpr int kDown = KEY_DOWN << 8;

// Enter starts the picked track only: with no row picked it does nothing,
// and Down is a pick, never a start.
TEST_F(TrackSelect, EnterStartsThePickedTrackAndNothingBeforeAPick) {
  const ScreenTests::ScriptedKeys keys({kEnter, kDown, kDown, kEnter});
  Kest::TrackSelectDialog dialog("");
  EXPECT_EQ(dialog.Run(), 1);
  EXPECT_TRUE(keys.AllTaken());
}

}  // namespace
