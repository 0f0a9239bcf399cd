#pragma once
// Locale-independent text helpers of the readers and line translators.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessdec {

// Leading decimal integer as the C library's atoi reads it (blanks, sign,
// digits); 0 when there is none. Saturates instead of overflowing.
long LeadingInt(std::string_view s);
// The leading integer that starts at position pos (0-based); 0 past the end.
long IntAt(std::string_view s, size_t pos);

// The decimal reader of the setup and parameter lines: 0 and the value, or -1
// when there is no digit.
int ParseDecimal(std::string_view s, double& value);
// Leading decimal number (0.0 when there is none).
double LeadingDecimal(std::string_view s);
// "m:ss.f" or "h:mm:ss" as seconds; 0.0 when the text is not a duration.
double ParseDuration(std::string_view s);

// The text up to the first CR or LF.
std::string_view CutLineEnd(std::string_view s);
// Copies src into a slot of slot bytes, cut to slot - 1 characters, zero-ended.
void CopyCut(char* dst, size_t slot, std::string_view src);
// The zero-ended text in a slot of at most slot bytes.
std::string_view SlotText(const char* slot, size_t size);
// Case-insensitive comparison of n characters.
bool EqualNoCase(std::string_view a, std::string_view b);

// The part of a path after its last '/', '\\' or ':'.
std::string_view FileNameOf(std::string_view path);

// Index 0 to 11 of a three-letter English month abbreviation, -1 when none.
int MonthIndex(std::string_view three, bool ignoreCase);

}  // namespace tessdec
