#include "game/screens/creditsscreen.h"

#include <guichan/imagefont.hpp>
#include <guichan/widgets/container.hpp>
#include <guichan/widgets/label.hpp>

#include <iterator>

#include "game/screens/mainmenu.h"
#include "game/screens/screenguard.h"
#include "game/screens/typewriter.h"
#include "render/fpscounter.h"

namespace Kest {

namespace {

// Every line stands in the menu's font, which has small letters only.
const char* const kCredits[] = {
    "game design and code",
    "the vantrail team",
    "art and tracks",
    "the vantrail team",
    "built on free software",
    "ode, allegro and allegrogl",
    "lua, tolua and tinyxml",
    "guichan and the dejavu fonts",
    "     2026     ",
    "    press esc    ",
};

constexpr int kFirstLineY = 50;
constexpr int kLineGap = 10;

}  // namespace

std::vector<std::string> CreditsScreen::Lines() {
  return std::vector<std::string>(std::begin(kCredits), std::end(kCredits));
}

CreditsScreen::CreditsScreen(const std::string& background) : frame_(background) {}

CreditsScreen::~CreditsScreen() = default;

bool CreditsScreen::Run() {
  RunGuarded(
      [&] {
        Build();
        Loop();
        return true;
      },
      true);
  DeleteWidgets();
  return true;
}

void CreditsScreen::DeleteWidgets() {
  frame_.Close();
  labels_.clear();
}

void CreditsScreen::Build() {
  gcn::Container& top = frame_.Open();
  int y = kFirstLineY;
  for (const char* line : kCredits) AddLine(line, top, y);
}

// The typed text grows from the left end of where the whole line stands.
void CreditsScreen::AddLine(const char* text, gcn::Container& top, int& y) {
  auto label = std::make_unique<gcn::Label>(text);
  label->setFont(MainMenu::GetRunningFont());
  label->adjustSize();
  label->setPosition(int(frame_.Width() * 0.5f - float(label->getWidth() / 2)), y);
  y += label->getHeight() + kLineGap;
  label->setCaption("");
  top.add(label.get());
  labels_.push_back(std::move(label));
}

void CreditsScreen::Loop() {
  ScreenFrame::ResetCamera();
  Typewriter typewriter(Lines());
  bool running = true;
  while (running) {
    const float factor = ol::FpsCounter::CountFrame();
    if (frame_.TakeEscape()) running = false;
    const bool typed = typewriter.Advance(factor);
    for (std::size_t i = 0; i < labels_.size(); ++i) labels_[i]->setCaption(typewriter.Shown()[i]);
    frame_.ShowFrame(typed);
  }
}

}  // namespace Kest
