#include "tests/support/scratchfolder.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace TestSupport {

ScratchFolder::ScratchFolder() : ScratchFolder(std::filesystem::temp_directory_path().string()) {}

ScratchFolder::ScratchFolder(const std::string& base) {
  std::string pattern = base + "/vantrail-XXXXXX";
  folder_ = mkdtemp(pattern.data()) ? pattern : std::string();
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
}

std::string ScratchFolder::Path(const std::string& name) const { return folder_ + "/" + name; }

std::string ScratchFolder::Write(const std::string& name, const std::string& text) const {
  std::ofstream(Path(name), std::ios::binary) << text;
  return Path(name);
}

std::string ScratchFolder::Read(const std::string& name) const {
  std::ifstream in(Path(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> ScratchFolder::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder_)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace TestSupport
