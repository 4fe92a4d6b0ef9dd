// One screen for the high-score tables, in three modes fixed when it opens:
// - the viewer (from the menu): a drop-down of the tracks, which has the
//   keys, and the table of the track picked there (none before);
// - the result of a finished run whose score did not make the table: the
//   score line and the table;
// - the result of a run whose score made it: the table with a name field in
//   the new score's row; the table is written to "highscores.xml", with the
//   name typed, when the screen ends by Enter or Esc.
// Esc leaves every mode; in the second, any key does.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/data/highscores.h"
#include "game/data/tracklistmodel.h"
#include "game/screens/dropdownaction.h"
#include "game/screens/enteraction.h"
#include "game/screens/screenframe.h"

namespace gcn {
class DropDown;
class Icon;
class Image;
class ListBox;
class Widget;
class Window;
}  // namespace gcn

namespace Kest {

class NameField;
class XmlPathDocument;

class HighScoreScreen {
 public:
  explicit HighScoreScreen(const std::string& background);
  ~HighScoreScreen();
  HighScoreScreen(const HighScoreScreen&) = delete;
  HighScoreScreen& operator=(const HighScoreScreen&) = delete;

  // The result screen of a finished run on the named track, with the run's
  // score in its three parts. A screen that cannot be built is logged and
  // ends at once, and then writes nothing.
  void ShowHighScores(unsigned timeScore, unsigned flipScore, unsigned wheelieScore,
                      const std::string& trackName);
  // The viewer; the menu opens it with the name "".
  void ViewHighScores(const std::string& trackName);

  // The table's rows from y down, best first (one line for an empty
  // table), at most a hundred of them; the entry at rank (-1 for none)
  // gets the name field.
  void AddScoreRows(int y, const std::vector<HighScoreRecord>& table, int rank);
  void ClearRows();
  void DeleteWidgets();

 private:
  void Build(const std::string& trackName, const std::string& scoreLine,
             const std::vector<HighScoreRecord>& table);
  // The first line of the window: the score line, or the track drop-down
  // when there is none. Returns the y below it.
  int AddScoreLine(const std::string& scoreLine);
  int AddTrackChoice();
  int AddSeparator(int y);
  int AddScoreRow(int y, const HighScoreRecord& entry, bool named);
  void AddRowLabel(const std::string& text, int x, int y, int width);
  // Once per opening of the screen.
  void LogRowsCut(std::size_t entries);
  void Loop(XmlPathDocument& document, scoreFinder& finder, bool anyKeyEnds);
  void ShowPickedTrack(XmlPathDocument& document, scoreFinder& finder);

  ScreenFrame frame_;
  std::unique_ptr<gcn::Window> window_;
  std::vector<std::unique_ptr<gcn::Widget>> rows_;
  std::unique_ptr<NameField> nameField_;
  std::unique_ptr<gcn::DropDown> dropDown_;
  std::unique_ptr<gcn::ListBox> listBox_;
  std::unique_ptr<gcn::Icon> separator_;
  std::unique_ptr<gcn::Image> separatorImage_;
  int rowsTop_ = 0;
  // The new score's place in the table; -1 when there is none.
  int rank_ = -1;
  bool rowsCutLogged_ = false;
  EnterAction done_;
  dropdownAction trackPicked_;
  TrackListModel tracks_;
};

}  // namespace Kest
