// The main menu on a real screen, driven by the key buffer and by xdotool's
// mouse, which reaches the test's own window under Xvfb.

// Before the GL headers, which bring X11's macros along.
#include <gtest/gtest.h>

#include <allegro.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>

#include "game/objects/resourcemanager.h"
#include "game/screens/guifont.h"
#include "game/screens/mainmenu.h"
#include "render/transforms.h"
#include "tests/render/screen.h"
#include "tests/screens/guifiles.h"
#include "tests/support/gamerun.h"
#include "tests/support/tracecapture.h"

namespace {

using namespace std::chrono_literals;

constexpr int kMenuGlyphs = 42;
const int kEscape = (KEY_ESC << 8) | 27;

// The centres of the buttons: the window stands at (370, 50), its children
// below a title bar, the buttons 50 pixels in and 75 apart.
struct Button {
  const char* caption;
  int x;
  int y;
};
const Button kPlay{"play", 572, 146};
const Button kScores{"scores", 572, 221};
const Button kCredits{"credits", 572, 296};
const Button kQuit{"quit", 572, 371};

void Xdotool(const std::string& arguments) {
  TestSupport::CommandOutput("xdotool " + arguments + " 2>/dev/null");
}

// Moves the pointer over the test's window (the only one on its X server)
// until Allegro has seen it there.
void MoveMouse(int x, int y) {
  for (int attempt = 0; attempt < 20 && (mouse_x != x || mouse_y != y); ++attempt) {
    Xdotool("search --onlyvisible --name . mousemove --window %1 " + std::to_string(x) + " " +
            std::to_string(y));
    std::this_thread::sleep_for(50ms);
  }
}

// Held long enough for the screen's pass to see the button down.
void Click(const Button& button) {
  MoveMouse(button.x, button.y);
  Xdotool("mousedown 1");
  std::this_thread::sleep_for(100ms);
  Xdotool("mouseup 1");
}

// A pixel of what the X server shows (the window stands at its top left).
struct ShownScreen {
  ShownScreen() {
    TestSupport::CommandOutput("import -window root " + kFile);
    image = load_bitmap(kFile.c_str(), nullptr);
  }
  ~ShownScreen() {
    if (image) destroy_bitmap(image);
    std::remove(kFile.c_str());
  }
  RenderTest::Pixel At(int x, int y) const {
    if (!image) return RenderTest::Pixel{-1, -1, -1, -1};
    const int c = getpixel(image, x, y);
    return RenderTest::Pixel{getr_depth(bitmap_color_depth(image), c),
                             getg_depth(bitmap_color_depth(image), c),
                             getb_depth(bitmap_color_depth(image), c), 255};
  }

  const std::string kFile = "shown.png";
  BITMAP* image = nullptr;
};

bool WaitUntil(const std::atomic<bool>& done, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(20ms);
  return done;
}

class MainMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RenderTest::ResetCanvas();
    clear_keybuf();
    ScreenTests::WriteFontStrip("res/menufont.png", kMenuGlyphs, [](int) { return 10; }, 20);
    ScreenTests::WriteSolidImage("res/cursor.png", 8, 8, 255, 0, 0);
    ScreenTests::WriteSolidImage("res/menubg.png", 8, 6, 100, 100, 100);
    Kest::ResourceManager::Create();
    menu = std::make_unique<Kest::MainMenu>("res\\menubg.png");
  }
  void TearDown() override {
    menu.reset();
    Kest::ResourceManager::Destroy();
    clear_keybuf();
  }

  // Runs the menu while `drive` works it from another thread. A menu still
  // running two seconds after the drive is left with Esc; one that cannot be
  // left ends the test program rather than hang it.
  bool RunDriven(const std::function<void()>& drive) {
    std::atomic<bool> finished{false};
    std::thread driver([&] {
      drive();
      leftRunning = !WaitUntil(finished, 2s);
      if (!leftRunning) return;
      simulate_keypress(kEscape);
      if (WaitUntil(finished, 3s)) return;
      std::fputs("The menu cannot be left with Esc.\n", stderr);
      std::abort();
    });
    const bool result = menu->Run();
    finished = true;
    driver.join();
    return result;
  }

  Kest::GuiFont guiFont;
  std::unique_ptr<Kest::MainMenu> menu;
  bool leftRunning = false;
};

// The menu starts untinted, whatever fade the game left behind.
TEST_F(MainMenuTest, EscEndsTheMenuAndItRunsAgain) {
  ol::Transforms::SetTintColor(ol::Rgba(0.0f, 0.0f, 0.0f, 1.0f));
  EXPECT_FALSE(RunDriven([] {
    MoveMouse(200, 200);
    simulate_keypress(kEscape);
  }));
  EXPECT_FALSE(leftRunning);
  EXPECT_EQ(menu->GetFont(), nullptr) << "the widgets are deleted";

  const ShownScreen shown;
  const RenderTest::Pixel background = shown.At(100, 400);
  EXPECT_NEAR(background.r, 100, 2);
  EXPECT_NEAR(background.b, 100, 2);
  const RenderTest::Pixel window = shown.At(390, 450);
  EXPECT_GT(window.b, window.r + 40) << "the window's blue over the background";
  const RenderTest::Pixel button = shown.At(kQuit.x, kQuit.y - 20);
  EXPECT_GT(button.b, window.b) << "a button's deeper blue";
  EXPECT_NEAR(shown.At(360, 300).b, 100, 2) << "the window keeps 30 pixels from the right";
  EXPECT_EQ(shown.At(203, 203).r, 255) << "the cursor at the mouse";

  EXPECT_FALSE(RunDriven([] { simulate_keypress(kEscape); }));
  EXPECT_FALSE(leftRunning);
}

TEST_F(MainMenuTest, AMissingMenuFontEndsTheMenuBeforeItsLoop) {
  ScreenTests::RemoveImage("res/menufont.png");
  TestSupport::TraceCapture trace;
  simulate_keypress(kEscape);  // a loop that ran anyway would end on it
  EXPECT_FALSE(menu->Run());
  EXPECT_TRUE(keypressed()) << "the loop ran on half-built widgets";
  EXPECT_EQ(trace.Lines(), std::vector<std::string>{"Cannot load font: res\\menufont.png"});
}

TEST_F(MainMenuTest, AMissingCursorLeavesTheMenuRunningWithoutOne) {
  ScreenTests::RemoveImage("res/cursor.png");
  EXPECT_FALSE(RunDriven([] {
    MoveMouse(200, 200);
    simulate_keypress(kEscape);
  }));
  EXPECT_NEAR(ShownScreen().At(203, 203).r, 100, 2);
}

TEST_F(MainMenuTest, QuitEndsTheMenu) {
  EXPECT_FALSE(RunDriven([] { Click(kQuit); }));
  EXPECT_FALSE(leftRunning);
}

// Each opens its screen, which is left again (the credits with Esc): the
// menu must still be running afterwards.
TEST_F(MainMenuTest, PlayScoresAndCreditsReturnToTheMenu) {
  struct Row {
    Button button;
    int escapesToLeave;
  };
  const Row rows[] = {{kPlay, 0}, {kScores, 0}, {kCredits, 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.button.caption);
    EXPECT_FALSE(RunDriven([&] {
      Click(row.button);
      std::this_thread::sleep_for(300ms);
      for (int i = 0; i < row.escapesToLeave; ++i) {
        simulate_keypress(kEscape);
        std::this_thread::sleep_for(300ms);
      }
    }));
    EXPECT_TRUE(leftRunning) << "the menu ended by itself";
  }
}

}  // namespace
