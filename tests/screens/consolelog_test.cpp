// The debug console's log and figures without a screen: the 21 lines it
// keeps, events stamped with the time of day and kept whole, lines safe to
// read while another thread logs, and the figure lines.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <regex>
#include <thread>

#include "game/screens/clocktime.h"
#include "game/screens/consolefigures.h"
#include "game/screens/debugconsole.h"
#include "game/screens/eventlistmodel.h"

namespace {

using Kest::DebugConsole;
using Kest::EventListModel;

std::vector<std::string> LinesOf(EventListModel& events) {
  std::vector<std::string> lines;
  for (int i = 0; i < events.getNumberOfElements(); ++i) lines.push_back(events.getElementAt(i));
  return lines;
}

bool IsClockLine(const std::string& line) {
  return std::regex_match(line, std::regex("[0-2][0-9]:[0-5][0-9]:[0-6][0-9]"));
}

// Each event is a time line and its indented text; once 21 lines are held
// every line drops the oldest, so after 11 events the oldest line is the
// first event's text without its time.
TEST(ConsoleLog, KeepsTheLatest21LinesAndStampsEachEventWithTheTime) {
  DebugConsole console;
  for (int event = 1; event <= 11; ++event) DebugConsole::Log("event " + std::to_string(event));
  const std::vector<std::string> lines = LinesOf(console.GetEvents());
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines.front(), "  event 1");
  for (std::size_t i = 1; i < lines.size(); i += 2) {
    EXPECT_TRUE(IsClockLine(lines[i])) << lines[i];
    EXPECT_EQ(lines[i + 1], "  event " + std::to_string(i / 2 + 2));
  }
}

TEST(ConsoleLog, LongTextsAreKeptWhole) {
  DebugConsole console;
  const std::string text = "picked: " + std::string(1000, 'x') + " and the end";
  DebugConsole::Log(text);
  EXPECT_EQ(console.GetEvents().getElementAt(1), "  " + text);
}

// The list box asks for rows past the end while it is scrolled.
TEST(ConsoleLog, RowsOutsideTheListAreEmpty) {
  EventListModel events;
  events.AddLine("only");
  EXPECT_EQ(events.getElementAt(1), "");
  EXPECT_EQ(events.getElementAt(-1), "");
  EXPECT_EQ(events.getElementAt(0), "only");
}

// Two threads log while this one reads the lines as the list box does:
// every line read is whole, and time and text lines alternate, as no event
// comes between another's two lines.
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
  EventListModel& events = console.GetEvents();
  while (events.getNumberOfElements() < 21) std::this_thread::yield();
  std::string fault;
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
  while (std::chrono::steady_clock::now() < end && fault.empty()) {
    const std::vector<std::string> lines = LinesOf(events);
    for (std::size_t i = 0; i + 1 < lines.size() && fault.empty(); ++i) {
      const bool clock = IsClockLine(lines[i]);
      const bool text = lines[i] == "  " + texts[0] || lines[i] == "  " + texts[1];
      if (!clock && !text) fault = "a broken line: " + lines[i];
      if (clock == IsClockLine(lines[i + 1])) fault = "two lines of a kind at " + std::to_string(i);
    }
  }
  done = true;
  for (std::thread& logger : loggers) logger.join();
  EXPECT_EQ(fault, "");
}

TEST(ConsoleLog, WithoutAConsoleNothingIsKept) {
  { DebugConsole gone; }
  DebugConsole::Log("lost");
  DebugConsole console;
  EXPECT_EQ(console.GetEvents().getNumberOfElements(), 0);
}

TEST(ClockTime, GivesTheLocalTimeOrDashesWhenThereIsNone) {
  setenv("TZ", "UTC", 1);
  tzset();
  EXPECT_EQ(Kest::ClockTime(3600 + 2 * 60 + 3), "01:02:03");
  EXPECT_EQ(Kest::ClockTime(86399), "23:59:59");
  // Its year does not fit the C library's calendar.
  EXPECT_EQ(Kest::ClockTime(std::numeric_limits<std::time_t>::max()), "--:--:--");
  unsetenv("TZ");
  tzset();
}

TEST(ConsoleFigures, FormatsEachLine) {
  struct Case {
    Kest::ConsoleFigures figures;
    std::array<std::string, 5> lines;
  };
  const Case cases[] = {
      {{}, {"position: 0, 0", "speed: 0.0", "FPS: 0", "SIM: 1 / 0", "DRAW: 1 / 0"}},
      {{250.4f, 357.6f, 0.26f, 56.7f, 55.0f, 38.2f, true},
       {"position: 250, 358", "speed: 0.3", "FPS: 57", "SIM: 1 / 55", "DRAW: 1 / 38"}},
      {{-1250.6f, -0.6f, -0.74f, 0.0f, 0.0f, 0.0f, false},
       {"position: -1251, -1", "speed: -0.7", "FPS: 0", "SIM: 1 / 0", "DRAW: 1 / 0"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Kest::FigureLines(c.figures), c.lines);
}

// A wheel at rest shows no sign, however its last reading fell.
TEST(ConsoleFigures, ATinySpeedShowsAsZero) {
  for (const float speed : {0.0004f, -0.0004f, -0.0009f}) {
    Kest::ConsoleFigures figures;
    figures.speed = speed;
    EXPECT_EQ(Kest::FigureLines(figures)[1], "speed: 0.0") << speed;
  }
  Kest::ConsoleFigures figures;
  figures.speed = -0.001f;
  EXPECT_EQ(Kest::FigureLines(figures)[1], "speed: -0.0") << "only below a thousandth";
}

}  // namespace
