#include "game/data/datafile.h"

#include <sys/stat.h>

#include <cstdio>

#include "game/data/atomicfile.h"
#include "game/data/xmlpathdocument.h"
#include "game/utility/utility.h"
#include "platform/platform.h"

namespace Kest {

namespace {

std::string dataFolder;

bool Exists(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0;
}

bool KeepAsBad(const std::string& path) {
  const std::string bad = path + ".bad";
  if (std::rename(path.c_str(), bad.c_str()) != 0) {
    Log(path + " cannot be read, nor kept aside as " + bad + ": it is left as it is");
    return false;
  }
  Log(path + " cannot be read: kept as " + bad + ", a new one is started");
  return true;
}

bool LoadRoot(XmlPathDocument& document, const std::string& path, const std::string& root) {
  return document.Load(path) && document.GoTo("/" + root);
}

}  // namespace

std::string DataFilePath(const std::string& name) {
  return (dataFolder.empty() ? Platform::ExecutableDirectory() : dataFolder + "/") + name;
}

void SetDataFolder(const std::string& folder) { dataFolder = folder; }

bool LoadDataFile(XmlPathDocument& document, const std::string& path, const std::string& root,
                  const std::string& defaultText) {
  RemoveUnfinishedSaves(path);
  if (LoadRoot(document, path, root)) return true;
  if (Exists(path) && !KeepAsBad(path)) return false;
  return WriteDataFile(path, defaultText) && LoadRoot(document, path, root);
}

bool WriteDataFile(const std::string& path, const std::string& text) {
  return WriteFileAtomically(path, [&text](std::FILE* file) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
  });
}

}  // namespace Kest
