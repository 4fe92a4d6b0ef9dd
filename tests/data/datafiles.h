// Data files in a scratch folder in place of the executable's folder.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/data/datafile.h"
#include "game/data/tracklist.h"
#include "tests/support/scratchfolder.h"

namespace DataTest {

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
