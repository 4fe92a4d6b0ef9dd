#include "game/screens/objectiveswindow.h"

#include <guichan/font.hpp>
#include <guichan/gui.hpp>
#include <guichan/image.hpp>
#include <guichan/widgets/icon.hpp>
#include <guichan/widgets/label.hpp>
#include <guichan/widgets/window.hpp>

#include "game/screens/mouseonlyinput.h"
#include "game/utility/utility.h"
#include "render/allegrogl/olgraphics.h"

namespace Kest {

namespace {

ObjectivesWindow* instance = nullptr;

const char kIconFile[] = "res\\objective.png";
// Centred on the 800 x 600 screen.
const gcn::Rectangle kWindowArea(200, 150, 400, 300);
constexpr int kIconX = 20;
constexpr int kLabelX = 70;
constexpr int kFirstRowY = 10;
constexpr int kIconSize = 32;
constexpr int kRowGap = 10;

// Null, with a log line, when the image cannot be had: the rows then go
// without icons.
std::unique_ptr<gcn::Image> LoadIconImage() {
  std::unique_ptr<gcn::Image> image;
  if (gcn::Image::getImageLoader()) image.reset(gcn::Image::load(kIconFile));
  if (!image) Log(std::string("Cannot load image: ") + kIconFile);
  return image;
}

}  // namespace

void ObjectivesWindow::Create() {
  Destroy();
  instance = new ObjectivesWindow;
}

void ObjectivesWindow::Destroy() {
  delete instance;
  instance = nullptr;
}

ObjectivesWindow* ObjectivesWindow::GetInstance() { return instance; }

// Like the console, the window reads the mouse only: the key that starts
// the level must reach the main loop.
ObjectivesWindow::ObjectivesWindow()
    : graphics_(std::make_unique<gcn::OlGraphics>()),
      input_(std::make_unique<MouseOnlyInput>()),
      window_(std::make_unique<gcn::Window>("Level objectives")),
      gui_(std::make_unique<gcn::Gui>()) {
  window_->setDimension(gcn::Rectangle(0, 0, kWindowArea.width, kWindowArea.height));
  window_->setPosition(kWindowArea.x, kWindowArea.y);
  window_->setBaseColor(gcn::Color(255, 255, 255, 200));
  window_->setMovable(false);
  gui_->setGraphics(graphics_.get());
  gui_->setInput(input_.get());
  gui_->setTop(window_.get());
}

ObjectivesWindow::~ObjectivesWindow() = default;

void ObjectivesWindow::Draw(const std::vector<HeldText>& objectives) {
  if (objectives != objectives_) Rebuild(objectives);
  gui_->logic();
  gui_->draw();
}

// One row per goal, 42 pixels apart: the icon, and the text centred on it.
void ObjectivesWindow::Rebuild(const std::vector<HeldText>& objectives) {
  ClearRows();
  objectives_ = objectives;
  if (objectives_.empty()) return;
  iconImage_ = LoadIconImage();
  int y = kFirstRowY;
  for (const std::string& text : objectives_) {
    Row row;
    if (iconImage_) {
      row.icon = std::make_unique<gcn::Icon>(iconImage_.get());
      row.icon->setDimension(gcn::Rectangle(0, 0, kIconSize, kIconSize));
      window_->add(row.icon.get(), kIconX, y);
    }
    row.label = std::make_unique<gcn::Label>(text);
    window_->add(row.label.get(), kLabelX, y + (kIconSize - row.label->getFont()->getHeight()) / 2);
    rows_.push_back(std::move(row));
    y += kIconSize + kRowGap;
  }
}

// A widget leaves the window that holds it when it is deleted; the icons go
// before the image they show.
void ObjectivesWindow::ClearRows() {
  rows_.clear();
  iconImage_.reset();
}

}  // namespace Kest
