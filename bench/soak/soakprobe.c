/* Preloaded into the game by the soak run, it tells the driver two things
 * the game does not show:
 *
 * - the GL textures the game holds: texture creation and deletion pass on
 *   to the GL library, and the number of live texture names is kept in the
 *   file named by SOAK_GL_TEXTURES, rewritten only when it changes (on
 *   loads, not per frame);
 * - the physics steps taken, so that a recorded ride is replayed at the
 *   pace the game really steps at, not at the wall clock's: the main loop
 *   reads the game's millisecond clock at each pass and steps when more
 *   than 1 ms has passed since its last step. The same rule, applied to the
 *   game's own clock reads (not those of the libraries it uses), counts the
 *   steps into the file named by SOAK_STEPS, mapped into memory so that
 *   counting costs no system call.
 */
#define _GNU_SOURCE
#include <GL/gl.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

/* --- textures --- */

enum { kTrackedNames = 1 << 20 };
static unsigned char live[kTrackedNames / 8];
static long textures;

/* A file of the environment's naming, opened once; -1 when unnamed. */
static int OpenNamed(const char* variable) {
  const char* path = getenv(variable);
  return path ? open(path, O_RDWR | O_CREAT | O_TRUNC, 0644) : -1;
}

static void PublishTextures(void) {
  static int fd = -2;
  if (fd == -2) fd = OpenNamed("SOAK_GL_TEXTURES");
  if (fd < 0) return;
  char text[32];
  const int length = snprintf(text, sizeof text, "%ld\n", textures);
  if (ftruncate(fd, 0) != 0 || pwrite(fd, text, (size_t)length, 0) < 0) fd = -1;
}

/* A name beyond the tracked range still counts, but cannot be told apart
 * when it is deleted twice. Returns whether the name changed state. */
static int Mark(GLuint name, int on) {
  if (name == 0) return 0;
  if (name >= kTrackedNames) return 1;
  unsigned char* byte = &live[name / 8];
  const unsigned char bit = (unsigned char)(1u << (name % 8));
  const int was = (*byte & bit) != 0;
  *byte = on ? (unsigned char)(*byte | bit) : (unsigned char)(*byte & ~bit);
  return was != on;
}

void glGenTextures(GLsizei n, GLuint* names) {
  static void (*real)(GLsizei, GLuint*);
  if (!real) real = (void (*)(GLsizei, GLuint*))dlsym(RTLD_NEXT, "glGenTextures");
  real(n, names);
  for (GLsizei i = 0; i < n; ++i) textures += Mark(names[i], 1);
  PublishTextures();
}

void glDeleteTextures(GLsizei n, const GLuint* names) {
  static void (*real)(GLsizei, const GLuint*);
  if (!real) real = (void (*)(GLsizei, const GLuint*))dlsym(RTLD_NEXT, "glDeleteTextures");
  for (GLsizei i = 0; i < n; ++i) textures -= Mark(names[i], 0);
  real(n, names);
  PublishTextures();
}

/* --- steps --- */

static uintptr_t gameStart, gameEnd;

/* The program's own code: the first object of the process. */
static int FindGame(struct dl_phdr_info* info, size_t size, void* data) {
  (void)size;
  (void)data;
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr)* segment = &info->dlpi_phdr[i];
    if (segment->p_type != PT_LOAD || !(segment->p_flags & PF_X)) continue;
    gameStart = info->dlpi_addr + segment->p_vaddr;
    gameEnd = gameStart + segment->p_memsz;
  }
  return 1;
}

static char* stepsText; /* 24 bytes: the count, spaces, a line feed */

static void PublishSteps(unsigned long steps) {
  static int mapped;
  if (!mapped) {
    mapped = 1;
    const int fd = OpenNamed("SOAK_STEPS");
    if (fd >= 0 && ftruncate(fd, 24) == 0) {
      void* at = mmap(NULL, 24, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
      if (at != MAP_FAILED) stepsText = at;
    }
    if (fd >= 0) close(fd);
  }
  if (!stepsText) return;
  char text[32];
  snprintf(text, sizeof text, "%-23lu\n", steps);
  memcpy(stepsText, text, 24);
}

int clock_gettime(clockid_t clock, struct timespec* now) {
  static int (*real)(clockid_t, struct timespec*);
  static unsigned long steps;
  static uint64_t lastStep;
  if (!real) {
    real = (int (*)(clockid_t, struct timespec*))dlsym(RTLD_NEXT, "clock_gettime");
    dl_iterate_phdr(FindGame, NULL);
  }
  const int result = real(clock, now);
  const uintptr_t caller = (uintptr_t)__builtin_return_address(0);
  if (result == 0 && clock == CLOCK_MONOTONIC && caller >= gameStart && caller < gameEnd) {
    const uint64_t ms = (uint64_t)now->tv_sec * 1000u + (uint64_t)now->tv_nsec / 1000000u;
    if (ms - lastStep > 1) {
      lastStep = ms;
      PublishSteps(++steps);
    }
  }
  return result;
}
