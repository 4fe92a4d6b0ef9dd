#include "game/screens/trackselectdialog.h"

#include <guichan/actionevent.hpp>
#include <guichan/actionlistener.hpp>
#include <guichan/imagefont.hpp>
#include <guichan/key.hpp>
#include <guichan/keylistener.hpp>
#include <guichan/widgets/button.hpp>
#include <guichan/widgets/container.hpp>
#include <guichan/widgets/listbox.hpp>
#include <guichan/widgets/scrollarea.hpp>
#include <guichan/widgets/window.hpp>

#include "game/screens/enteraction.h"
#include "game/screens/mainmenu.h"
#include "game/screens/screenguard.h"
#include "game/screens/trackselectlistmodel.h"
#include "render/fpscounter.h"
#include "render/transforms.h"

namespace Kest {

namespace {

constexpr int kWindowWidth = 700;
constexpr int kWindowHeight = 500;

// Enter in the list does what "start" does, once a row is picked.
class EnterStarts : public gcn::KeyListener {
 public:
  EnterStarts(gcn::ListBox& list, gcn::ActionListener& start) : list_(list), start_(start) {}
  void keyPressed(gcn::KeyEvent& event) override {
    if (event.getKey().getValue() != gcn::Key::ENTER || list_.getSelected() == -1) return;
    start_.action(gcn::ActionEvent(&list_, "start"));
  }

 private:
  gcn::ListBox& list_;
  gcn::ActionListener& start_;
};

}  // namespace

TrackSelectDialog::TrackSelectDialog(const std::string& background) : frame_(background) {}

TrackSelectDialog::~TrackSelectDialog() = default;

int TrackSelectDialog::Run() {
  TrackSelectListModel rows;
  TrackDlgButtonHandler started;
  const bool built = RunGuarded(
      [&] {
        Build(rows, started);
        return true;
      },
      false);
  int chosen = -1;
  if (built) {
    Loop(started);
    if (started.IsPressed()) chosen = listBox_->getSelected();
  }
  DeleteWidgets();
  return chosen;
}

void TrackSelectDialog::DeleteWidgets() {
  frame_.Close();
  scrollArea_.reset();
  listBox_.reset();
  start_.reset();
  window_.reset();
  enterStarts_.reset();
}

// The window stands in the middle of the screen, the list over most of it
// and "start" at its bottom right.
void TrackSelectDialog::Build(TrackSelectListModel& rows, gcn::ActionListener& start) {
  gcn::Container& top = frame_.Open();
  window_ = std::make_unique<gcn::Window>("Select Track");
  window_->setDimension(gcn::Rectangle(0, 0, kWindowWidth, kWindowHeight));
  window_->setPosition(int((frame_.Width() - kWindowWidth) * 0.5f),
                       int((frame_.Height() - kWindowHeight) * 0.5f));
  window_->setBaseColor(gcn::Color(0, 150, 200, 190));
  window_->setMovable(false);
  top.add(window_.get());

  listBox_ = std::make_unique<gcn::ListBox>(&rows);
  listBox_->setBackgroundColor(gcn::Color(50, 50, 50, 0));
  listBox_->setWidth(600);
  listBox_->setBaseColor(gcn::Color(150, 150, 150, 200));

  scrollArea_ = std::make_unique<gcn::ScrollArea>(listBox_.get(), gcn::ScrollArea::SHOW_NEVER,
                                                  gcn::ScrollArea::SHOW_AUTO);
  scrollArea_->setBackgroundColor(gcn::Color(50, 50, 50, 100));
  scrollArea_->setFrameSize(2);
  scrollArea_->setWidth(660);
  scrollArea_->setHeight(390);
  window_->add(scrollArea_.get(), 20, 20);
  enterStarts_ = std::make_unique<EnterStarts>(*listBox_, start);
  listBox_->addKeyListener(enterStarts_.get());
  // Focus needs the list in the GUI's tree, which the window now is.
  listBox_->requestFocus();

  start_ = std::make_unique<gcn::Button>("start");
  start_->setFont(MainMenu::GetRunningFont());
  start_->setBaseColor(gcn::Color(0, 150, 220, 190));
  start_->setWidth(160);
  start_->setHeight(45);
  start_->addActionListener(&start);
  window_->add(start_.get(), 530, 430);
}

void TrackSelectDialog::Loop(const EnterAction& started) {
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 1.0f));
  while (!frame_.TakeEscape() && !started.IsPressed()) {
    ol::FpsCounter::CountFrame();
    frame_.ShowFrame(ShowStartWhenPicked());
  }
}

bool TrackSelectDialog::ShowStartWhenPicked() {
  const bool picked = listBox_->getSelected() != -1;
  if (start_->isVisible() == picked) return false;
  start_->setVisible(picked);
  return true;
}

}  // namespace Kest
