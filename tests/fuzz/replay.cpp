// The fuzz targets without the fuzzer: runs the target once on every file
// named on the command line and every file in the folders named there, in
// name order. The suite replays the committed corpora this way, so that
// every input that once broke the game is tried again by every build.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    if (!fs::is_directory(argv[i])) {
      inputs.push_back(fs::absolute(argv[i]));
      continue;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(argv[i]))
      if (entry.is_regular_file()) inputs.push_back(fs::absolute(entry.path()));
  }
  std::sort(inputs.begin(), inputs.end());
  LLVMFuzzerInitialize(&argc, &argv);
  for (const fs::path& input : inputs) {
    std::string data;
    if (!Fuzz::ReadFile(input, data)) {
      std::fprintf(stderr, "cannot read %s\n", input.c_str());
      return 1;
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return inputs.empty() ? 1 : 0;  // no input at all: the corpus went missing
}
