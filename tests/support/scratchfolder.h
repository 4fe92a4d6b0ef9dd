// A fresh folder for the files of one test, removed with everything in it when the test ends.
#pragma once

#include <string>
#include <vector>

namespace TestSupport {

class ScratchFolder {
 public:
  ScratchFolder();
  // The folder inside base (say "/dev/shm", for tests that write many files).
  explicit ScratchFolder(const std::string& base);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Folder() const { return folder_; }
  // The path of a file in the folder.
  std::string Path(const std::string& name) const;
  // Writes the text as the whole file; returns its path.
  std::string Write(const std::string& name, const std::string& text) const;
  // The whole file, or empty when it cannot be read.
  std::string Read(const std::string& name) const;
  // The names in the folder, sorted.
  std::vector<std::string> Names() const;

 private:
  std::string folder_;
};

}  // namespace TestSupport
