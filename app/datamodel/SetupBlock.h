#pragma once
// The instrument's raw setup blocks and the encodings of their fields. The
// program never converts a block into a structure of its own: it keeps the
// bytes exactly as the instrument sent them and reads or changes single
// fields, so a block that goes out again differs only where the user changed
// something.
#include <cstddef>
#include <cstdint>
#include <string>

namespace SetupBlock {
// Block sizes.
constexpr size_t kMeasurementSize = 219;  // SSA, ISM, LOG, TAL, FFT
constexpr size_t kRtaSize = 216;
constexpr size_t kObaSize = 154;          // the J46's octave band analyser
constexpr size_t kSystemSize = 226;       // the instrument's system settings

// Header shared by the measurement blocks and the OBA block.
constexpr size_t kVersion = 0;
constexpr size_t kName = 1;
constexpr size_t kNameLength = 8;
constexpr size_t kTitle = 9;
constexpr size_t kTitleLength = 30;
constexpr size_t kMode = 39;
constexpr size_t kLockByte = 40;
constexpr uint8_t kLockMask = 0x80;

// 8.8 fixed point: integer byte, then the fraction in 256ths.
double Get88(const uint8_t* p);
// Stores value with the fraction rounded to the nearest 256th, an exact half
// rounded down, a carry into the integer byte. Values outside 0 to below 256
// are clamped to that range; a value that is not a number changes nothing.
void Set88(uint8_t* p, double value);

// 24-bit value: integer byte, then two bytes of fraction.
double Get24(const uint8_t* p);
// Integer part, fraction x 256 truncated, the rest x 256 truncated; clamped
// like Set88.
void Set24(uint8_t* p, double value);
// As Set24, but the last byte rounded to the nearest (the wind scale factor).
void Set24Rounded(uint8_t* p, double value);
// The RTA time getters' rounding to the nearest 0.0025 s.
double RoundToRtaTimeStep(double seconds);

// Big-endian 16-bit count.
int GetBe16(const uint8_t* p);
void SetBe16(uint8_t* p, int value);  // bits 8-15 and 0-7 of value

// BCD date: day, month, two-digit year (80 to 99 are 19xx, others 20xx).
void GetBcdDate(const uint8_t* p, int& year, int& month, int& day);
void SetBcdDate(uint8_t* p, int year, int month, int day);
// BCD time of day: hour, minute; an hour of 24 or more or a minute of 60 or
// more reads and stores as 0.
void GetBcdTime(const uint8_t* p, int& hour, int& minute);
void SetBcdTime(uint8_t* p, int hour, int minute);

// Blank-padded text without terminator. The getter stops at a zero byte and
// removes trailing blanks.
std::string GetText(const uint8_t* p, size_t length);
// Characters up to a zero byte or length, as stored (blanks kept).
std::string GetRawText(const uint8_t* p, size_t length);
void SetText(uint8_t* p, size_t length, const std::string& text);

// Trailing spaces removed, the padding SetText writes; a tab stays, where the
// report view's TrimTrailingBlanks drops it too.
std::string TrimRight(std::string text);
}  // namespace SetupBlock

// Packed BCD byte: tens in the high nibble, units in the low.
int DecodeBcd(uint8_t value);
// 0 to 99 to packed BCD; any other value encodes as 0.
uint8_t EncodeBcd(int value);
