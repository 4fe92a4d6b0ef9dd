#include "game/screens/creditsscreen.h"

#include <guichan/imagefont.hpp>
#include <guichan/widgets/container.hpp>
#include <guichan/widgets/label.hpp>

#include "game/screens/mainmenu.h"
#include "game/screens/screenguard.h"
#include "game/screens/typewriter.h"
#include "render/fpscounter.h"

namespace Kest {

// Headings stand in the menu's font; names keep the widgets' global font,
// whose capitals and signs the names need.
struct CreditLine {
  const char* text;
  bool heading;
};

namespace {

const CreditLine kCredits[] = {
    {"game design and code", true},
    {"the Vantrail team", false},
    {"art and tracks", true},
    {"the Vantrail team", false},
    {"built on free software", true},
    {"ODE, Allegro and AllegroGL", false},
    {"Lua and tolua++, TinyXML", false},
    {"Guichan and the DejaVu fonts", false},
    {"     2026     ", true},
    {"    press esc    ", true},
};

constexpr int kFirstLineY = 50;
constexpr int kLineGap = 10;

std::vector<std::string> CreditTexts() {
  std::vector<std::string> texts;
  for (const CreditLine& line : kCredits) texts.emplace_back(line.text);
  return texts;
}

}  // namespace

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
  for (const CreditLine& line : kCredits) AddLine(line, top, y);
}

// The typed text grows from the left end of where the whole line stands.
void CreditsScreen::AddLine(const CreditLine& line, gcn::Container& top, int& y) {
  auto label = std::make_unique<gcn::Label>(line.text);
  if (line.heading) label->setFont(MainMenu::GetRunningFont());
  label->adjustSize();
  label->setPosition(int(frame_.Width() * 0.5f - float(label->getWidth() / 2)), y);
  y += label->getHeight() + kLineGap;
  label->setCaption("");
  top.add(label.get());
  labels_.push_back(std::move(label));
}

void CreditsScreen::Loop() {
  ScreenFrame::ResetCamera();
  Typewriter typewriter(CreditTexts());
  bool running = true;
  while (running) {
    const float factor = ol::FpsCounter::CountFrame();
    if (ScreenFrame::TakeEscape()) running = false;
    const bool typed = typewriter.Advance(factor);
    for (std::size_t i = 0; i < labels_.size(); ++i) labels_[i]->setCaption(typewriter.Shown()[i]);
    frame_.ShowFrame(typed);
  }
}

}  // namespace Kest
