#include "game/screens/highscorescreen.h"

#include <guichan/image.hpp>
#include <guichan/widgets/container.hpp>
#include <guichan/widgets/dropdown.hpp>
#include <guichan/widgets/icon.hpp>
#include <guichan/widgets/label.hpp>
#include <guichan/widgets/listbox.hpp>
#include <guichan/widgets/window.hpp>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "game/data/xmlpathdocument.h"
#include "game/screens/namefield.h"
#include "game/screens/screenguard.h"
#include "game/utility/utility.h"
#include "render/fpscounter.h"
#include "render/transforms.h"

namespace Kest {

namespace {

constexpr int kWindowWidth = 700;
constexpr int kWindowHeight = 500;
constexpr int kMargin = 10;
const char kSeparatorImage[] = "res\\dlgseparator.png";
const gcn::Color kWindowColour(0, 150, 200, 190);
const gcn::Color kDropDownColour(0, 150, 220, 190);
// A track may keep any number of scores, and the library walks all of its
// widgets for every one it deletes: the screen shows the best ones only.
constexpr std::size_t kMostRowsShown = 100;

std::string ScoreLine(unsigned time, unsigned flips, unsigned wheelies, unsigned total) {
  char line[128];
  std::snprintf(line, sizeof line, "Your score: %u (time) + %u (flips) + %u (wheelies) = %u", time,
                flips, wheelies, total);
  return line;
}

}  // namespace

HighScoreScreen::HighScoreScreen(const std::string& background) : frame_(background) {}

HighScoreScreen::~HighScoreScreen() = default;

void HighScoreScreen::ViewHighScores(const std::string& trackName) {
  ShowHighScores(unsigned(-1), unsigned(-1), unsigned(-1), trackName);
}

// The three -1 of the viewer add up to a negative total; every real run
// gives 0 or more. The new entry waits in the finder's table, with an empty
// name, until the screen ends.
void HighScoreScreen::ShowHighScores(unsigned timeScore, unsigned flipScore, unsigned wheelieScore,
                                     const std::string& trackName) {
  const std::uint32_t total = timeScore + flipScore + wheelieScore;
  const bool scoreEntry = static_cast<std::int32_t>(total) >= 0;
  XmlPathDocument document;
  scoreFinder finder;
  rank_ = scoreEntry ? AddHighScore(document, finder, trackName, static_cast<int>(total)) : -1;
  const std::string scoreLine =
      scoreEntry ? ScoreLine(timeScore, flipScore, wheelieScore, total) : std::string();
  done_ = EnterAction();
  rowsCutLogged_ = false;
  const bool built = RunGuarded(
      [&] {
        Build(trackName, scoreLine, finder.scores);
        return true;
      },
      false);
  if (built) {
    Loop(document, finder, scoreEntry && rank_ == -1);
    if (rank_ != -1) {
      finder.scores[static_cast<std::size_t>(rank_)].name = nameField_->getText();
      SaveHighScores(document, trackName, finder.scores);
    }
  }
  DeleteWidgets();
  rank_ = -1;
}

void HighScoreScreen::Build(const std::string& trackName, const std::string& scoreLine,
                            const std::vector<HighScoreRecord>& table) {
  gcn::Container& top = frame_.Open();
  window_ = std::make_unique<gcn::Window>("High Scores " + trackName);
  window_->setDimension(gcn::Rectangle(0, 0, kWindowWidth, kWindowHeight));
  window_->setPosition(int((frame_.Width() - kWindowWidth) * 0.5f),
                       int((frame_.Height() - kWindowHeight) * 0.5f));
  window_->setBaseColor(kWindowColour);
  window_->setMovable(false);
  const int y = scoreLine.empty() ? AddTrackChoice() : AddScoreLine(scoreLine);
  rowsTop_ = AddSeparator(y);
  top.add(window_.get());
  // Focus needs the widget in the GUI's tree, which the window now is. The
  // viewer shows no table until a track is picked.
  if (scoreLine.empty()) {
    dropDown_->requestFocus();
    return;
  }
  AddScoreRows(rowsTop_, table, rank_);
  if (nameField_) nameField_->requestFocus();
}

int HighScoreScreen::AddScoreLine(const std::string& scoreLine) {
  AddRowLabel(scoreLine, kMargin, kMargin, 0);
  return rows_.back()->getHeight() + 15;
}

// The drop-down brings its own scroll area; the list box in it is ours.
int HighScoreScreen::AddTrackChoice() {
  listBox_ = std::make_unique<gcn::ListBox>();
  dropDown_ = std::make_unique<gcn::DropDown>(&tracks_, nullptr, listBox_.get());
  dropDown_->setPosition(kMargin, kMargin);
  dropDown_->setWidth(200);
  dropDown_->setFrameSize(1);
  trackPicked_.Watch(dropDown_.get());
  dropDown_->addActionListener(&trackPicked_);
  dropDown_->addKeyListener(&trackPicked_);
  listBox_->addKeyListener(&trackPicked_);
  dropDown_->setBackgroundColor(kDropDownColour);
  listBox_->setBackgroundColor(kDropDownColour);
  window_->add(dropDown_.get());
  return dropDown_->getHeight() + 14 + 2 * int(dropDown_->getFrameSize());
}

// A separator picture that does not load leaves a log line and the table
// without it.
int HighScoreScreen::AddSeparator(int y) {
  separatorImage_.reset(gcn::Image::load(kSeparatorImage, true));
  if (!separatorImage_) {
    Log(std::string("Cannot load image: ") + kSeparatorImage);
    return y + 5;
  }
  separator_ = std::make_unique<gcn::Icon>(separatorImage_.get());
  window_->add(separator_.get(), kMargin, y);
  return y + separator_->getHeight() + 5;
}

void HighScoreScreen::Loop(XmlPathDocument& document, scoreFinder& finder, bool anyKeyEnds) {
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 1.0f));
  ScreenFrame::ResetCamera();
  while (!frame_.TakeEscape() && !done_.IsPressed()) {
    ol::FpsCounter::CountFrame();
    const bool picked = trackPicked_.TakeChange();
    if (picked) ShowPickedTrack(document, finder);
    frame_.ShowFrame(picked);
    if (anyKeyEnds && frame_.TakeKeyPress()) break;
  }
}

void HighScoreScreen::ShowPickedTrack(XmlPathDocument& document, scoreFinder& finder) {
  ClearRows();
  rank_ = AddHighScore(document, finder, trackPicked_.Selected(), -1);
  AddScoreRows(rowsTop_, finder.scores, rank_);
  window_->setCaption("High Scores - " + trackPicked_.Selected());
}

// Past the cap, the new score's row still comes last, for its name.
void HighScoreScreen::AddScoreRows(int y, const std::vector<HighScoreRecord>& table, int rank) {
  if (table.empty()) AddRowLabel("No high scores for this level", kMargin, y, 500);
  const std::size_t shown = std::min(table.size(), kMostRowsShown);
  if (shown < table.size()) LogRowsCut(table.size());
  for (std::size_t i = 0; i < shown; ++i) y = AddScoreRow(y, table[i], int(i) == rank);
  if (rank >= int(shown)) AddScoreRow(y, table[static_cast<std::size_t>(rank)], true);
  // The drop-down's list unfolds over the rows, not under them.
  if (dropDown_) dropDown_->requestMoveToTop();
}

// The entry's name, or the name field for the new score; returns the y of
// the next row.
int HighScoreScreen::AddScoreRow(int y, const HighScoreRecord& entry, bool named) {
  int step = 0;
  if (named) {
    y += 4;
    nameField_ = std::make_unique<NameField>();
    nameField_->setWidth(300);
    nameField_->setFrameSize(4);
    nameField_->setBaseColor(gcn::Color(100, 0, 0, 200));
    nameField_->setBackgroundColor(gcn::Color(255, 255, 255, 100));
    nameField_->addActionListener(&done_);
    window_->add(nameField_.get(), kMargin, y);
    step = int(nameField_->getFrameSize()) + nameField_->getHeight() + 5;
  } else {
    AddRowLabel(entry.name, kMargin, y, 300);
    step = rows_.back()->getHeight() + 5;
  }
  AddRowLabel(ToString(entry.score), 320, y, 100);
  AddRowLabel(FormatScoreDate(entry.date), 430, y, 250);
  return y + step;
}

void HighScoreScreen::LogRowsCut(std::size_t entries) {
  if (std::exchange(rowsCutLogged_, true)) return;
  Log("High scores: showing the best " + std::to_string(kMostRowsShown) + " of " +
      std::to_string(entries) + " entries");
}

// A width of 0 keeps the label as wide as its text.
void HighScoreScreen::AddRowLabel(const std::string& text, int x, int y, int width) {
  auto label = std::make_unique<gcn::Label>(text);
  if (width > 0) label->setWidth(width);
  window_->add(label.get(), x, y);
  rows_.push_back(std::move(label));
}

// A deleted widget leaves the window by itself.
void HighScoreScreen::ClearRows() {
  nameField_.reset();
  rows_.clear();
}

void HighScoreScreen::DeleteWidgets() {
  ClearRows();
  frame_.Close();
  window_.reset();
  separator_.reset();
  separatorImage_.reset();
  dropDown_.reset();
  listBox_.reset();
}

}  // namespace Kest
