#include "game/screens/mainmenu.h"

#include <guichan/imagefont.hpp>
#include <guichan/widgets/button.hpp>
#include <guichan/widgets/container.hpp>
#include <guichan/widgets/window.hpp>

#include "game/data/tracklist.h"
#include "game/screens/buttonhandler.h"
#include "game/screens/creditsscreen.h"
#include "game/screens/fontglyphs.h"
#include "game/screens/highscorescreen.h"
#include "game/screens/imagefontfile.h"
#include "game/screens/screenguard.h"
#include "game/screens/trackselectdialog.h"
#include "game/utility/utility.h"
#include "render/fpscounter.h"
#include "render/transforms.h"

namespace Kest {

namespace {

MainMenu* instance = nullptr;

// The menu's entries, as their buttons' action ids say them.
enum Entry { kPlay = 1, kScores = 2, kCredits = 4, kQuit = 5 };

// The screens opened from the menu stand over this picture.
const char kScreenBackground[] = "res\\forest.png";

constexpr int kWindowWidth = 400;
constexpr int kWindowHeight = 500;
constexpr int kWindowRightMargin = 30;
constexpr int kButtonX = 50;
constexpr int kFirstButtonY = 50;
constexpr int kButtonWidth = 300;
constexpr int kButtonHeight = 60;
constexpr int kButtonGap = 15;

}  // namespace

MainMenu::MainMenu(const std::string& background) : frame_(background) { instance = this; }

MainMenu::~MainMenu() {
  if (instance == this) instance = nullptr;
}

MainMenu* MainMenu::GetInstance() { return instance; }

gcn::ImageFont* MainMenu::GetRunningFont() { return instance ? instance->GetFont() : nullptr; }

bool MainMenu::Run() {
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 1.0f));
  ButtonHandler handler;
  const bool play = RunGuarded(
      [&] {
        Build(handler);
        return Loop(handler);
      },
      false);
  DeleteWidgets();
  return play;
}

void MainMenu::DeleteWidgets() {
  frame_.Close();
  window_.reset();
  buttons_.clear();
  font_.reset();
}

// The window stands 30 pixels from the right edge, centred from top to
// bottom, whatever the screen size.
void MainMenu::Build(ButtonHandler& handler) {
  font_ = LoadImageFont("res\\menufont.png", kMenuFontGlyphs);
  gcn::Container& top = frame_.Open();
  window_ = std::make_unique<gcn::Window>("");
  window_->setDimension(gcn::Rectangle(0, 0, kWindowWidth, kWindowHeight));
  window_->setPosition(int(frame_.Width() - kWindowWidth - kWindowRightMargin),
                       int((frame_.Height() - kWindowHeight) * 0.5f));
  window_->setBaseColor(gcn::Color(0, 150, 200, 100));
  window_->setMovable(false);
  top.add(window_.get());
  int y = kFirstButtonY;
  AddButton("play", kPlay, handler, y);
  AddButton("scores", kScores, handler, y);
  AddButton("credits", kCredits, handler, y);
  AddButton("quit", kQuit, handler, y);
}

void MainMenu::AddButton(const char* caption, int entry, ButtonHandler& handler, int& y) {
  auto button = std::make_unique<gcn::Button>(caption);
  button->setFont(font_.get());
  button->setWidth(kButtonWidth);
  button->setHeight(kButtonHeight);
  button->setBaseColor(gcn::Color(0, 0, 200, 100));
  button->setActionEventId(ToString(entry));
  button->addActionListener(&handler);
  window_->add(button.get(), kButtonX, y);
  y += button->getHeight() + kButtonGap;
  buttons_.push_back(std::move(button));
}

// Esc is noted at the start of a pass and the pass is still finished, so a
// button pressed in the same pass is acted on first.
bool MainMenu::Loop(ButtonHandler& handler) {
  ScreenFrame::ResetCamera();
  bool running = true;
  while (running) {
    ol::FpsCounter::CountFrame();
    if (frame_.TakeEscape()) running = false;
    frame_.ShowFrame(false);
    switch (Act(handler.TakeChosen())) {
      case Outcome::kPlay:
        return true;
      case Outcome::kQuit:
        return false;
      case Outcome::kStay:
        break;
    }
  }
  return false;
}

MainMenu::Outcome MainMenu::Act(int entry) {
  switch (entry) {
    case kPlay: {
      // The dialog's rows are the track list's tracks, in its order.
      TrackSelectDialog dialog(kScreenBackground);
      const int track = dialog.Run();
      if (track < 0) return Outcome::kStay;
      TrackList::GetInstance()->SetCurrentTrack(track);
      return Outcome::kPlay;
    }
    case kScores: {
      HighScoreScreen scores(kScreenBackground);
      scores.ViewHighScores("");
      return Outcome::kStay;
    }
    case kCredits: {
      CreditsScreen credits(kScreenBackground);
      credits.Run();
      return Outcome::kStay;
    }
    case kQuit:
      return Outcome::kQuit;
    default:
      return Outcome::kStay;
  }
}

}  // namespace Kest
