#include "game/app/quitrequest.h"

#include <allegro.h>
#include <signal.h>

#include <atomic>
#include <initializer_list>

namespace Kest {

namespace {

// Set from a signal handler or the library's window thread: a lock-free
// atomic is all they may touch.
std::atomic<bool> quitRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the quit flag is set from signal handlers");

extern "C" void OnQuitSignal(int) { quitRequested.store(true); }

void OnCloseButton() { quitRequested.store(true); }

}  // namespace

void InstallQuitRequests() {
  struct sigaction action {};
  action.sa_handler = &OnQuitSignal;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a call the signal cuts short must fail with EINTR, so
  // that the game sees the request, instead of waiting on where it was.
  action.sa_flags = 0;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
  set_close_button_callback(&OnCloseButton);
}

bool IsQuitRequested() { return quitRequested.load(); }

}  // namespace Kest
