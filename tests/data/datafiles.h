// Data files in a scratch folder in place of the executable's folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "game/data/datafile.h"
#include "game/data/tracklist.h"
#include "tests/support/scratchfolder.h"

namespace DataTest {

// Score dates read in UTC, whatever the machine's zone, while it lives.
struct UtcZone {
  UtcZone() {
    setenv("TZ", "UTC", 1);
    tzset();
  }
  ~UtcZone() {
    setenv("TZ", zone.c_str(), 1);
    tzset();
  }
  const std::string zone = std::getenv("TZ") ? std::getenv("TZ") : "";
};

class DataFiles : public ::testing::Test {
 protected:
  DataFiles() { Kest::SetDataFolder(folder.Folder()); }
  ~DataFiles() override {
    Kest::TrackList::Destroy();
    Kest::SetDataFolder("");
  }
  // A new track list read from a "tracklist.xml" with these elements.
  Kest::TrackList& LoadTracks(const std::string& elements) {
    folder.Write("tracklist.xml", "<tracklist>" + elements + "</tracklist>");
    Kest::TrackList::Create();
    Kest::TrackList::GetInstance()->Load();
    return *Kest::TrackList::GetInstance();
  }

  TestSupport::ScratchFolder folder;
};

}  // namespace DataTest
