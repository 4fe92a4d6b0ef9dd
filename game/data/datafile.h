// The game's own data files ("tracklist.xml", "highscores.xml"): where they
// live, and how a bad one is handled. A file read whole that does not parse,
// or has another root element, is never overwritten: it is kept as NAME.bad,
// or the first free one of NAME.bad.1, NAME.bad.2, ..., the log says so, and
// a fresh default file takes its place. A file that cannot be opened or read
// whole (a folder, a device, no permission) is left as it is, with a log
// line, and neither read nor written again until the game starts anew.
#pragma once

#include <string>

namespace Kest {

class XmlPathDocument;

// The path of a data file: beside the executable, or in the folder that
// SetDataFolder gave (tests use that; empty goes back to the executable's).
std::string DataFilePath(const std::string& name);
void SetDataFolder(const std::string& folder);

// Loads the file (a native path) into the document with the cursor on its
// root element. What saves cut short left beside it goes first. A missing
// file is written with the default text first; a broken one is set aside
// and replaced by the default. False (the document then has no cursor) when
// the file cannot be read, or even the default cannot be written and read.
bool LoadDataFile(XmlPathDocument& document, const std::string& path, const std::string& root,
                  const std::string& defaultText);

// Writes the text as the whole file, in one step.
bool WriteDataFile(const std::string& path, const std::string& text);

}  // namespace Kest
