// What the fuzz targets share. Each target reads its input the way the game
// reads the file it stands for: from a file in a scratch folder of its own
// (in memory where the machine has /dev/shm), removed when the run ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Fuzz {

// Called once from LLVMFuzzerInitialize: makes the scratch folder and sends
// the trace log nowhere (a million inputs would fill it).
void StartRun();
const std::string& ScratchFolder();
std::string ScratchPath(const std::string& name);

// Makes the given folder the working one, the file and folder names on the
// command line absolute first, so that the fuzzer still finds its corpus.
void EnterFolder(const std::string& folder, int* argc, char*** argv);

void WriteFile(const std::string& path, const std::string& content);
bool ReadFile(const std::string& path, std::string& content);  // false when there is none
std::string Text(const std::uint8_t* data, std::size_t size);

// A promise the game broke for this input: says which and aborts, so that
// the fuzzer keeps the input.
void Require(bool holds, const char* promise);

}  // namespace Fuzz
