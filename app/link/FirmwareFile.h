#pragma once
// The files of a firmware upgrade and of a calibration restore, the loader
// records the instrument's boot loader takes, and the calibration block
// fields the restore writes.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace firmware {

constexpr int kBlocks = 4096;
constexpr int kBlockSize = 128;
constexpr size_t kCalBlockSize = 63;
using Key = std::array<uint8_t, kBlockSize>;

// The key built into the program (zeros unless the build names a key file).
const Key& ProgramKey();

// One character of the ROM image name, by the model in the identification.
char ModelCode(const std::string& model);

struct UpgradeEntry {
    std::string model;    // columns 4-6 of the command line
    std::string serial;   // 8-11, the serial number less its first character
    std::string version;  // 13-27
    std::string romPath;  // beside the upgrade file
};

// The "[UPGRADE]" command line: "CMD=mmm-ssss-vvvvvvvvvvvvvvv-..." checked by
// its fixed columns. nullopt when it is not valid.
std::optional<UpgradeEntry> ParseCommandLine(const std::string& line);
// The ROM image beside folder: "CV?-" + model code, the version's first
// character, its characters 2 to 4, ".ROM".
std::string RomImageName(const std::string& model, const std::string& version);

// The loader record of ROM block b (128 bytes at rom): empty for page 29,
// else 'E' + page, address, half, check (all 0xFF after the XOR steps) or
// 'R' + page, address, half, 128 bytes, check.
std::vector<uint8_t> LoaderRecord(int block, const uint8_t* rom, const Key& key);

struct CalibrationValues {
    int version = 0;
    double calOffset = 0, biasOffset = 0, tempOffset = 0, highDynRangeOffset = 0, channelWeightOffset = 0;
};
// Reads a calibration backup file; false with the message to show.
bool ReadCalibrationFile(const std::string& path, CalibrationValues& values, std::string& message);

// 8.8 levels, high byte first; negative values have 256 added.
void SetLevel(uint8_t* p, double dB);
double GetLevel(const uint8_t* p);
// A gain of -6 to +6 dB as 10^(dB/20) × 16384, high byte first.
void SetGain(uint8_t* p, double dB);
// Writes the restored fields into the 63-byte calibration block.
void ApplyCalibration(uint8_t* block, const CalibrationValues& values);

}  // namespace firmware
