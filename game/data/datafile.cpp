#include "game/data/datafile.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>

#include "game/data/atomicfile.h"
#include "game/data/xmlpathdocument.h"
#include "game/utility/utility.h"
#include "platform/platform.h"

namespace Kest {

namespace {

// Set-aside names tried beside a broken file before the game gives up.
constexpr int kBadNames = 1000;

std::string dataFolder;

// Files that could not be read in this run: neither read nor written again
// until the next.
std::set<std::string> heldBack;

void HoldBack(const std::string& path, const std::string& why) {
  heldBack.insert(path);
  Log(path + " " + why + ": it is left as it is, and not written until the next start");
}

// NAME.bad, or the first of NAME.bad.1, NAME.bad.2, ... that is free: the
// file is renamed only to a name nothing has, so that no older one is lost.
bool KeepAsBad(const std::string& path) {
  int error = 0;
  for (int n = 0; n < kBadNames; ++n) {
    const std::string bad = path + ".bad" + (n == 0 ? "" : "." + ToString(n));
    if (renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, bad.c_str(), RENAME_NOREPLACE) == 0) {
      Log(path + " is broken: kept as " + bad + ", a new one is started");
      return true;
    }
    error = errno;
    if (error != EEXIST) break;
  }
  HoldBack(path, "is broken, but cannot be kept aside (" + std::string(std::strerror(error)) + ")");
  return false;
}

bool LoadRoot(XmlPathDocument& document, const std::string& path, const std::string& root) {
  return document.LoadPath(path) && document.GoTo("/" + root);
}

}  // namespace

std::string DataFilePath(const std::string& name) {
  return (dataFolder.empty() ? Platform::ExecutableDirectory() : dataFolder + "/") + name;
}

void SetDataFolder(const std::string& folder) { dataFolder = folder; }

bool LoadDataFile(XmlPathDocument& document, const std::string& path, const std::string& root,
                  const std::string& defaultText) {
  if (heldBack.count(path)) return false;
  RemoveUnfinishedSaves(path);
  if (LoadRoot(document, path, root)) return true;
  switch (document.GetReadResult()) {
    case XmlRead::kUnreadable:
      HoldBack(path, "cannot be read (" + document.GetReadProblem() + ")");
      return false;
    case XmlRead::kMissing:
      break;
    default:  // malformed, or another root element
      if (!KeepAsBad(path)) return false;
  }
  return WriteDataFile(path, defaultText) && LoadRoot(document, path, root);
}

bool WriteDataFile(const std::string& path, const std::string& text) {
  return WriteFileAtomically(path, [&text](std::FILE* file) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
  });
}

}  // namespace Kest
