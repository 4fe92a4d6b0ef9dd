#include "game/screens/debugconsole.h"

#include <guichan/gui.hpp>
#include <guichan/widgets/checkbox.hpp>
#include <guichan/widgets/label.hpp>
#include <guichan/widgets/listbox.hpp>
#include <guichan/widgets/scrollarea.hpp>
#include <guichan/widgets/window.hpp>

#include <ctime>

#include "game/screens/clocktime.h"
#include "game/screens/eventlistmodel.h"
#include "game/screens/mouseonlyinput.h"
#include "render/allegrogl/olgraphics.h"

namespace Kest {

namespace {

DebugConsole* instance = nullptr;

// The right-hand 200 pixels of the 800 x 600 play screen.
const gcn::Rectangle kWindowArea(600, 0, 200, 600);
constexpr int kMargin = 10;
constexpr int kRowGap = 10;
constexpr int kContentWidth = 180;
// The list reaches down to here, inside the window.
constexpr int kListBottom = 570;

}  // namespace

DebugConsole::DebugConsole() : events_(std::make_unique<EventListModel>()) {
  instance = this;
  Build();
}

DebugConsole::~DebugConsole() {
  if (instance == this) instance = nullptr;
}

DebugConsole* DebugConsole::GetInstance() { return instance; }

// The figures stand in rows from the top, then the wheelie box; the event
// list fills the rest of the window. The console reads the mouse only: the
// keys belong to the rider.
void DebugConsole::Build() {
  graphics_ = std::make_unique<gcn::OlGraphics>();
  input_ = std::make_unique<MouseOnlyInput>();
  window_ = std::make_unique<gcn::Window>("Debug Console");
  window_->setDimension(gcn::Rectangle(0, 0, kWindowArea.width, kWindowArea.height));
  window_->setPosition(kWindowArea.x, kWindowArea.y);
  window_->setBaseColor(gcn::Color(255, 255, 255, 100));
  window_->setMovable(false);
  gui_ = std::make_unique<gcn::Gui>();
  gui_->setGraphics(graphics_.get());
  gui_->setInput(input_.get());
  gui_->setTop(window_.get());

  int y = kMargin;
  for (std::unique_ptr<gcn::Label>& label : labels_) {
    label = std::make_unique<gcn::Label>("");  // one font high, unlike Label()
    label->setWidth(kContentWidth);
    window_->add(label.get(), kMargin, y);
    y += label->getHeight() + kRowGap;
  }
  wheelies_ = std::make_unique<gcn::CheckBox>("Wheelies");
  wheelies_->setWidth(kContentWidth);
  window_->add(wheelies_.get(), kMargin, y);
  y += wheelies_->getHeight() + kRowGap;

  list_ = std::make_unique<gcn::ListBox>(events_.get());
  list_->setBackgroundColor(gcn::Color(50, 50, 50, 0));
  list_->setWidth(kWindowArea.width);
  scroll_ = std::make_unique<gcn::ScrollArea>(list_.get());
  scroll_->setBackgroundColor(gcn::Color(50, 50, 50, 100));
  scroll_->setFrameSize(2);
  scroll_->setWidth(kContentWidth);
  scroll_->setHeight(kListBottom - y);
  window_->add(scroll_.get(), kMargin, y);
}

// Level scripts log texts of any length (a variable's value): the console
// keeps the start of each, far more than its window shows.
void DebugConsole::Log(const std::string& text) {
  if (!instance) return;
  instance->events_->AddLines({ClockTime(std::time(nullptr)), "  " + text.substr(0, kMostTextBytes)});
}

void DebugConsole::Draw() {
  ShowFigures();
  gui_->logic();
  gui_->draw();
}

// The box follows the bike, whatever the player clicked on it.
void DebugConsole::ShowFigures() {
  const std::array<std::string, 5> lines = FigureLines(figures);
  for (std::size_t i = 0; i < lines.size(); ++i) labels_[i]->setCaption(lines[i]);
  wheelies_->setSelected(figures.wheelie);
}

}  // namespace Kest
