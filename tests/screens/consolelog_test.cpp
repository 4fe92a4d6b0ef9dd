// The debug console's log and figures, without a screen.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <regex>
#include <thread>

#include "game/screens/clocktime.h"
#include "game/screens/debugconsole.h"
#include "game/screens/eventlistmodel.h"

namespace {

using Kest::DebugConsole;

std::vector<std::string> LinesOf(Kest::EventListModel& events) {
  std::vector<std::string> lines;
  for (int i = 0; i < events.getNumberOfElements(); ++i) lines.push_back(events.getElementAt(i));
  return lines;
}

bool IsClockLine(const std::string& line) {
  return std::regex_match(line, std::regex("[0-2][0-9]:[0-5][0-9]:[0-6][0-9]"));
}

// Past 21 lines the oldest drops; texts stay whole up to the longest the console keeps, cut past it; rows past the end
// are empty.
TEST(ConsoleLog, KeepsTheLatest21LinesWholeEachEventAfterItsTime) {
  DebugConsole console;
  for (int event = 1; event <= 9; ++event) DebugConsole::Log("event " + std::to_string(event));
  const std::string last = "picked: " + std::string(DebugConsole::kMostTextBytes - 8, 'x');
  DebugConsole::Log(last + "more");
  DebugConsole::Log(last);
  const std::vector<std::string> lines = LinesOf(console.GetEvents());
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines.front(), "  event 1");
  for (std::size_t i = 1; i + 4 < lines.size(); i += 2) {
    EXPECT_TRUE(IsClockLine(lines[i])) << lines[i];
    EXPECT_EQ(lines[i + 1], "  event " + std::to_string(i / 2 + 2));
  }
  EXPECT_EQ(lines[18], "  " + last) << "cut";
  EXPECT_EQ(lines.back(), "  " + last);
  EXPECT_EQ(console.GetEvents().getElementAt(21), "");
  EXPECT_EQ(console.GetEvents().getElementAt(-1), "");
}

// Lines read while two threads log are whole, and time and text lines alternate.
TEST(ConsoleLog, LinesReadWhileOtherThreadsLogAreWholeAndInPairs) {
  DebugConsole console;
  const std::string texts[] = {std::string(200, 'a'), std::string(300, 'b')};
  std::atomic<bool> done{false};
  std::vector<std::thread> loggers;
  for (const std::string& text : texts) {
    loggers.emplace_back([&done, &text] {
      while (!done) DebugConsole::Log(text);
    });
  }
  Kest::EventListModel& events = console.GetEvents();
  while (events.getNumberOfElements() < 21) std::this_thread::yield();
  std::string fault;
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
  while (std::chrono::steady_clock::now() < end && fault.empty()) {
    const std::vector<std::string> lines = LinesOf(events);
    for (std::size_t i = 0; i + 1 < lines.size() && fault.empty(); ++i) {
      const bool clock = IsClockLine(lines[i]);
      if (!clock && lines[i] != "  " + texts[0] && lines[i] != "  " + texts[1]) fault = "broken: " + lines[i];
      if (clock == IsClockLine(lines[i + 1])) fault = "two lines of a kind at " + std::to_string(i);
    }
  }
  done = true;
  for (std::thread& logger : loggers) logger.join();
  EXPECT_EQ(fault, "");
}

TEST(ClockTime, GivesTheLocalTimeOrDashesWhenThereIsNone) {
  setenv("TZ", "UTC", 1);
  tzset();
  EXPECT_EQ(Kest::ClockTime(3600 + 2 * 60 + 3), "01:02:03");
  // Its year does not fit the C library's calendar.
  EXPECT_EQ(Kest::ClockTime(std::numeric_limits<std::time_t>::max()), "--:--:--");
  unsetenv("TZ");
  tzset();
}

// A wheel at rest (below a thousandth either way) shows no sign.
TEST(ConsoleFigures, FormatsEachLine) {
  using Lines = std::array<std::string, 5>;
  EXPECT_EQ(Kest::FigureLines({250.4f, 357.6f, 0.26f, 56.7f, 55.0f, 38.2f, true}),
            (Lines{"position: 250, 358", "speed: 0.3", "FPS: 57", "SIM: 1 / 55", "DRAW: 1 / 38"}));
  for (const float speed : {0.0004f, -0.0004f, -0.0009f}) {
    EXPECT_EQ(Kest::FigureLines({0, 0, speed, 0, 0, 0, false})[1], "speed: 0.0") << speed;
  }
  EXPECT_EQ(Kest::FigureLines({0, 0, -0.001f, 0, 0, 0, false})[1], "speed: -0.0");
}

}  // namespace
