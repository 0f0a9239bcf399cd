#pragma once
// The fuzz targets read download files by path, as the program does: each
// input is written to one file of the process, rewritten for every input.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Writes the bytes to the process's input file and returns its path.
const std::string& WriteInput(const uint8_t* data, size_t size);

}  // namespace fuzz
