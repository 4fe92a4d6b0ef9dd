#include "tests/screens/gamescreen.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/support/gamerun.h"

namespace ScreenTests {

namespace {

using namespace std::chrono_literals;
using TestSupport::CommandOutput;

std::string Crop(const Area& area) {
  return " -crop " + std::to_string(area.w) + "x" + std::to_string(area.h) + "+" +
         std::to_string(area.x) + "+" + std::to_string(area.y) + " +repage";
}

// How many pixels of the area the filter turns white.
long WhitePixels(const std::string& shot, const Area& area, const std::string& filter) {
  return std::stol(CommandOutput("convert " + shot + Crop(area) + filter +
                                 " -format '%[fx:round(mean*w*h)]' info: 2>&1"));
}

}  // namespace

std::string WaitForMenu(TestSupport::GameRun& game) {
  EXPECT_FALSE(game.WaitForWindow().empty());
  std::this_thread::sleep_for(1s);
  return game.Screenshot("menu");
}

void Click(int x, int y) {
  CommandOutput("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
  std::this_thread::sleep_for(150ms);
  CommandOutput("xdotool mousedown 1");
  std::this_thread::sleep_for(100ms);
  CommandOutput("xdotool mouseup 1");
}

long DifferentPixels(const std::string& a, const std::string& b, const Area& area) {
  return std::stol(CommandOutput("compare -metric AE -fuzz 10% \\( " + a + Crop(area) + " \\) \\( " + b +
                                 Crop(area) + " \\) null: 2>&1"));
}

long BrightPixels(const std::string& shot, const Area& area, int percent) {
  return WhitePixels(shot, area, " -colorspace Gray -threshold " + std::to_string(percent) + "%");
}

long DarkPixels(const std::string& shot, const Area& area) {
  return WhitePixels(shot, area, " -fx '(r<0.35&&g<0.35&&b<0.35)'");
}

}  // namespace ScreenTests
