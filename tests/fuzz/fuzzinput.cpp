#include "tests/fuzz/fuzzinput.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/trace.h"

namespace Fuzz {

namespace fs = std::filesystem;

namespace {

std::string folder;

void RemoveFolder() {
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

}  // namespace

void StartRun() {
  const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  folder = (base / "vantrail-fuzz-XXXXXX").string();
  if (!mkdtemp(folder.data())) throw std::runtime_error("cannot make a scratch folder");
  std::atexit(RemoveFolder);
  Platform::SetTraceFile("/dev/null");
}

const std::string& ScratchFolder() { return folder; }

std::string ScratchPath(const std::string& name) { return folder + "/" + name; }

void EnterFolder(const std::string& target, int* argc, char*** argv) {
  for (int i = 1; i < *argc; ++i) {
    char*& argument = (*argv)[i];
    if (argument[0] != '-' && fs::exists(argument)) argument = strdup(fs::absolute(argument).c_str());
  }
  if (chdir(target.c_str()) != 0) throw std::runtime_error("cannot enter " + target);
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

bool ReadFile(const std::string& path, std::string& content) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return true;
}

std::string Text(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

void Require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "Broken promise: %s\n", promise);
  std::abort();
}

}  // namespace Fuzz
