// What the fuzz targets share. Each target reads its input the way the game
// reads the file it stands for: from a file in a scratch folder of its own
// (in memory where the machine has /dev/shm), removed when the run ends.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "platform/trace.h"

namespace Fuzz {

namespace fs = std::filesystem;

inline std::string scratchFolder;

inline const std::string& ScratchFolder() { return scratchFolder; }
inline std::string ScratchPath(const std::string& name) { return scratchFolder + "/" + name; }

// Called once from LLVMFuzzerInitialize: makes the scratch folder and sends
// the trace log nowhere (a million inputs would fill it).
inline void StartRun() {
  const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  scratchFolder = (base / "vantrail-fuzz-XXXXXX").string();
  if (!mkdtemp(scratchFolder.data())) throw std::runtime_error("cannot make a scratch folder");
  std::atexit([] {
    std::error_code ignored;
    fs::remove_all(scratchFolder, ignored);
  });
  Platform::SetTraceFile("/dev/null");
}

// Makes the given folder the working one, the file and folder names on the
// command line absolute first, so that the fuzzer still finds its corpus.
inline void EnterFolder(const std::string& folder, int* argc, char*** argv) {
  for (int i = 1; i < *argc; ++i) {
    char*& argument = (*argv)[i];
    if (argument[0] != '-' && fs::exists(argument)) argument = strdup(fs::absolute(argument).c_str());
  }
  if (chdir(folder.c_str()) != 0) throw std::runtime_error("cannot enter " + folder);
}

inline void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

// The whole file; false when there is none.
inline bool ReadFile(const std::string& path, std::string& content) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return true;
}

inline std::string Text(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// A promise the game broke for this input: says which and aborts, so that
// the fuzzer keeps the input.
inline void Require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "Broken promise: %s\n", promise);
  std::abort();
}

}  // namespace Fuzz
