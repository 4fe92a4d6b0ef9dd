#include "game/screens/objectiveswindow.h"

namespace Kest {

namespace {
ObjectivesWindow* instance = nullptr;
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

// The window needs the GUI backend; without it there is nothing to draw.
void ObjectivesWindow::Draw() {}

}  // namespace Kest
