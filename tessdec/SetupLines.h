#pragma once
// What the three setup-line translators (J57, J46, other models) share: the
// reading loop over a group of "R" lines, the value forms, and the rules that
// are alike in all three (model line, indexed levels, wind direction, the
// R 98 numbers, the summary flags).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "OutRecord.h"
#include "WorkState.h"

namespace tessdec {

// Value forms of the setup lines.
enum class Form : uint8_t {
    Decimal,       // the decimal reader; 0.0 when the text holds no digit
    DecimalList,   // count decimals, each after a comma
    Int32,         // leading integer
    Int16,         // leading integer as i16
    Float,         // floating-point conversion (exponent allowed)
    Span,          // "m:ss.f" or "h:mm:ss" as seconds
    DateTime,      // "09Mar2003 14:05:30" as seconds
    DateTimeList,  // count pairs of date and time tokens
    Text,          // the value, cut to a slot of count bytes
    TextSkipBlanks // the same after its leading blanks
};

struct LineField {
    uint16_t r;
    uint16_t offset;
    Form form;
    uint16_t count;  // items of a list, or bytes of a text slot
};

// Stores a value by its form.
void ApplyForm(OutRecord& out, const LineField& f, std::string_view value);
// The field of line r in a table, or null.
const LineField* FindField(const LineField* table, size_t n, int r);

float DecimalOrZero(std::string_view v);
float LeadingFloat(std::string_view v);
// Up to max comma-separated numbers as 32-bit floats from at on (no no-value rule).
void PutFloatList(OutRecord& out, size_t at, size_t max, std::string_view value);
uint32_t DateTimeValue(std::string_view v);

// Reads the group of "R" lines from the file position (lines of at most
// maxChars characters); calls line(number, value, whole line) for each and
// leaves the resume offset after the last one.
void ReadSetupLines(WorkState& w, size_t maxChars,
                    const std::function<void(int, std::string_view, std::string_view)>& line);

// R 1: the digits after "Model" and an optional "J" become the model number;
// without digits the model stays.
void ApplyModelLine(WorkState& w, std::string_view value);
// R 6: the start of the measurement, for the translation and the summary.
uint32_t ApplyStartLine(WorkState& w, std::string_view value);
// R 60: "index,level" with "p" for a negative level; slots 0 to 23 only.
void ApplyIndexedLevel(OutRecord& out, size_t at, std::string_view value);
// R 98: count numbers four characters apart, each plus one (0 stored as 1).
void ApplyPlusOneBytes(OutRecord& out, size_t at, size_t count, std::string_view value);
// R 120: the index of the compass name the value starts with, 0 when none.
unsigned CompassIndex(std::string_view value);
// R 170: the voltage replaces the battery text when the power source text
// holds an "E".
void ApplyVoltage(OutRecord& out, size_t batteryAt, size_t powerAt, size_t powerSlot, std::string_view value);
// The summary flags of the translation values, and 0x200 for Ln lines.
uint16_t SummaryFlags(const WorkState& w, bool lnLines);
// Channel names (10-byte slots) and units (6-byte slots) from the parameter lines.
void PutChannelTexts(OutRecord& out, const WorkState& w, size_t namesAt, size_t unitsAt);
// The six Ln percentages, when known.
void PutLnPercents(OutRecord& out, const WorkState& w, size_t at);
// Where a model's record keeps the fields of the lines all three share.
struct SharedLineFields {
    size_t lnLevels;   // R 38 to R 43
    size_t nFlag;      // R 53
    size_t indexed;    // R 60
    size_t plusOne;    // R 98
    size_t plusOneCount;
    size_t compass;    // R 120
};
struct SharedLineState {
    bool lnLines = false;
    bool r98Used = false;
};
// R 1, R 38 to R 43, R 53, R 60, R 98 and R 120; false for any other line.
bool ApplySharedLine(OutRecord& out, WorkState& w, const SharedLineFields& f, SharedLineState& st, int r,
                     std::string_view value, std::string_view line);

// A line of the model's field table, else a line every model shares; false
// when the model must handle it itself.
template <size_t N>
bool ApplyTableOrSharedLine(OutRecord& out, WorkState& w, const LineField (&table)[N],
                            const SharedLineFields& shared, SharedLineState& st, int r,
                            std::string_view value, std::string_view line) {
    if (const LineField* f = FindField(table, N, r)) {
        ApplyForm(out, *f, value);
        return true;
    }
    return ApplySharedLine(out, w, shared, st, r, value, line);
}

// Finishing: kind, site, reserved word; the latest time of the summary.
void FinishSetupRecord(OutRecord& out, WorkState& w, unsigned kind);

}  // namespace tessdec
