#include "game/screens/screenframe.h"

#include <allegro.h>
#include <guichan/gui.hpp>
#include <guichan/widgets/container.hpp>

#include "game/app/allegrokeyboard.h"
#include "game/app/app.h"
#include "game/app/quitrequest.h"
#include "game/objects/resourcemanager.h"
#include "game/screens/screeninput.h"
#include "platform/platform.h"
#include "render/allegrogl/olgraphics.h"
#include "render/canvas.h"
#include "render/setup.h"

namespace Kest {

namespace {

// Counts the frames every screen has shown: when another screen showed one
// since this screen's last, this screen's picture is gone.
unsigned framesShown = 0;

AllegroKeyboard allegroKeyboard;
Keyboard* screenKeyboard = &allegroKeyboard;

RepaintPolicy::Mouse ReadMouse() { return RepaintPolicy::Mouse{mouse_x, mouse_y, mouse_b, mouse_z}; }

ol::Bitmap* LoadCursor() {
  ResourceManager* resources = ResourceManager::GetInstance();
  return resources ? resources->GetBitmap("res\\cursor.png") : nullptr;
}

}  // namespace

ScreenFrame::ScreenFrame(const std::string& background)
    : width_(float(ol::Setup::GetScreenWidth())),
      height_(float(ol::Setup::GetScreenHeight())),
      pacer_(Platform::Milliseconds, Platform::SleepMilliseconds) {
  if (!background.empty()) background_.Load(background, 0);
}

ScreenFrame::~ScreenFrame() = default;

gcn::Container& ScreenFrame::Open() {
  graphics_ = std::make_unique<gcn::OlGraphics>();
  input_ = std::make_unique<ScreenInput>(*screenKeyboard);
  top_ = std::make_unique<gcn::Container>();
  top_->setDimension(gcn::Rectangle(0, 0, int(width_), int(height_)));
  top_->setOpaque(false);
  gui_ = std::make_unique<gcn::Gui>();
  gui_->setGraphics(graphics_.get());
  gui_->setInput(input_.get());
  gui_->setTop(top_.get());
  cursor_.reset(LoadCursor());
  repaint_.Reset();
  return *top_;
}

void ScreenFrame::Close() {
  gui_.reset();
  graphics_.reset();
  input_.reset();
  top_.reset();
  cursor_.reset();
}

void ScreenFrame::ShowFrame(bool contentChanged) {
  input_->_pollInput();
  if (!input_->isKeyQueueEmpty()) contentChanged = true;
  gui_->logic();
  if (lastShown_ != framesShown) repaint_.Reset();
  const RepaintPolicy::Mouse mouse = ReadMouse();
  const std::uint32_t now = Platform::Milliseconds();
  const bool draw = repaint_.ShouldDraw(mouse, contentChanged, now);
  if (draw) Draw();
  pacer_.WaitForFrame();
  if (!draw) return;
  ol::Canvas::Refresh();
  lastShown_ = ++framesShown;
  repaint_.Drawn(mouse, now);
}

void ScreenFrame::Draw() {
  if (background_.IsValid()) background_.BlitStretched(0.0f, 0.0f, width_, height_, 1.0f);
  gui_->draw();
  if (cursor_) cursor_->Blit(float(mouse_x), float(mouse_y), 1.0f);
}

bool ScreenFrame::TakeEscape() { return input_->TakeEscape() || IsQuitRequested(); }

bool ScreenFrame::TakeKeyPress() { return input_->TakeKeyPress() || IsQuitRequested(); }

void ScreenFrame::UseKeyboard(Keyboard* keyboard) {
  screenKeyboard = keyboard ? keyboard : &allegroKeyboard;
}

void ScreenFrame::ResetCamera() {
  if (App* application = GetApplication()) application->SetCamera(ol::Vec2(0.0f, 0.0f));
}

}  // namespace Kest
