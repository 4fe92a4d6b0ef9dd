#include "game/app/quitrequest.h"

#include <allegro.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>

namespace {

// A quit signal ends a call the game waits in, instead of being swallowed
// by a call that starts again.
TEST(QuitRequest, ASignalCutsAWaitingCallShortAndIsNoted) {
  ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, atexit), 0);
  Kest::InstallQuitRequests();
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const pthread_t waiting = pthread_self();
  std::atomic<bool> returned{false};
  // A read that starts again after every signal gets a byte at last.
  std::thread sender([&] {
    for (int tries = 0; tries < 500 && !returned; ++tries) {
      pthread_kill(waiting, SIGTERM);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!returned) {
      EXPECT_EQ(write(pipeEnds[1], "x", 1), 1);
    }
  });
  char byte = 0;
  const ssize_t n = read(pipeEnds[0], &byte, 1);
  const int error = errno;
  returned = true;
  sender.join();
  EXPECT_EQ(n, -1);
  EXPECT_EQ(error, EINTR);
  EXPECT_TRUE(Kest::IsQuitRequested());
  allegro_exit();
}

}  // namespace
