#pragma once
// Setup type codes, instrument mode numbers and the file names that go with
// them. The type code names a kind of setup throughout the program; the mode
// number is what the instrument writes into byte 39 of a raw setup block.
#include <string>

namespace SetupType {
constexpr int kNone = 0;
constexpr int kSystem = 1;
constexpr int kSlm = 2;
constexpr int kSsm = 3;
constexpr int kOba = 4;
constexpr int kSsa = 5;
constexpr int kIsm = 6;
constexpr int kLog = 7;
constexpr int kTal = 8;
constexpr int kFft = 9;
constexpr int kRta = 10;
constexpr int kEnv = 11;
constexpr int kAud = 12;
constexpr int kVib = 13;
// Never a setup: the download view's filter for all measurements in raw form.
constexpr int kAllBinary = 101;

// The measurement setups the program can open, edit, file and store.
constexpr bool IsEditableMeasurement(int type) { return type >= kSsa && type <= kRta; }
}  // namespace SetupType

// Where a SetupRec came from.
namespace SetupOrigin {
constexpr int kNone = 0;
constexpr int kFile = 5;        // opened from (or saved to) a setup file
constexpr int kNew = 6;         // made new from a default setup file
constexpr int kInstrument = 7;  // held in the instrument
}  // namespace SetupOrigin

// Instrument mode number (block byte 39) to setup type code; -1 for a number
// that names no mode.
int SetupTypeFromMode(int modeNumber);

// ".ssa" and the like; empty for a code without an extension. Returns out.
const std::string& GetSetupFileExtension(int type, std::string& out);
// The file dialog filter of a setup type. Returns out.
const std::string& GetSetupFileFilter(int type, std::string& out);
