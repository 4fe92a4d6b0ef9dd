// What the fuzz targets share. Each target reads its input the way the game
// reads the file it stands for: from a file in a scratch folder of its own
// (in memory where the machine has /dev/shm), removed when the run ends.
// The trace log goes nowhere: a million inputs would fill it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Fuzz {

// Called once from LLVMFuzzerInitialize: makes the scratch folder and
// silences the trace log.
void StartRun();
const std::string& ScratchFolder();
std::string ScratchPath(const std::string& name);

// Makes the working folder the given one. The file and folder names on the
// command line become absolute first, so that the fuzzer still finds the
// corpus and the inputs it was given.
void EnterFolder(const std::string& folder, int* argc, char*** argv);

void WriteFile(const std::string& path, const std::string& content);
// The whole file; false when there is none.
bool ReadFile(const std::string& path, std::string& content);

// The input as text.
std::string Text(const std::uint8_t* data, std::size_t size);

// A promise the game broke for this input: says which and aborts, so that
// the fuzzer keeps the input.
void Require(bool holds, const char* promise);

}  // namespace Fuzz
