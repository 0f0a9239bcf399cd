#pragma once
// The advanced columns of the time-history tables: detector levels of the
// weightings A, C and F chosen by the setup's six column flag bytes, then the
// auxiliary readings (LAFTM5, wind speed and direction, battery, external
// input, temperature).
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "RecordManagers.h"
#include "RecordView.h"
#include "KeptRecordFields.h"
#include "ThRec.h"

struct ThColumn {
    enum Kind { kDetector, kLiveDetector, kLaftm5, kWindSpeed, kWindDirection, kBattery, kExternal, kTemperature };
    Kind kind;
    char letter;  // detectors: 'A', 'C' or 'F'
    int bit;      // detectors: the detector bit
    const char* suffix;
};

// Where a mode setup record keeps the other-level code, the column flags
// and the wind settings.
struct ThSetupFields {
    size_t otherLevel;
    ThColumnFlagOffsets flags;
    size_t windScale;
    size_t windUnits;
    size_t windUnitsLength;
    size_t directionUnits;
};
constexpr ThSetupFields kLogThSetup = {LogSetupFields::kOtherLevel,      LogSetupFields::kThFlags,
                                       LogSetupFields::kWindScale,       LogSetupFields::kWindUnits,
                                       LogSetupFields::kWindUnitsLength, LogSetupFields::kDirectionUnits};
constexpr ThSetupFields kSsaThSetup = {SsaSetupFields::kOtherLevel,      SsaSetupFields::kThFlags,
                                       SsaSetupFields::kWindScale,       SsaSetupFields::kWindUnits,
                                       SsaSetupFields::kWindUnitsLength, SsaSetupFields::kDirectionUnits};

// The column flags and wind settings of a mode setup record.
struct ThSetup {
    ThSetup(const RecordView& setup, const ThSetupFields& fields);

    int otherLevel = 0;
    int first[3] = {};   // A1, C1, F1
    int second[3] = {};  // A2, C2, F2
    float windScale = 0;
    std::string windUnits;
    int directionUnits = 0;
};

// The columns whose bits are set, in table order.
std::vector<ThColumn> ThAdvancedColumns(const ThSetup& setup);

// The heading of a column: the text layout's (detectors 10 wide; the
// auxiliary headings from auxText, in the order LAFTM5, wind speed, wind
// direction, battery, external, temperature, the wind speed's followed by the
// units and ")") or the CSV layout's.
std::string ThTextHeading(const ThColumn& column, const ThSetup& setup, const char* const (&auxText)[6]);
std::string ThCsvHeading(const ThColumn& column, const ThSetup& setup);

// The value text of a level sample; battery, external and temperature as
// levels (999.0 shows " --- ") or as plain numbers. Empty for a sample that
// stores no such values (one of a time-history stream).
std::string ThValue(const ThColumn& column, const ThRec& record, const ThSetup& setup, bool auxAsLevels);

// The other level of a level sample (999.0 shows " --- "); empty when the
// sample stores none.
std::string ThOtherLevel(const ThRec& record);

// The opening of the heading line: "Rec #", "Date" and "Time" left-aligned
// in 9, 12 and 12, then "Leq" right-aligned in 6 (text); four fields (CSV).
// The text layout's alignment stays right for the headings that follow.
void WriteThHeadingStart(std::ostream& out, bool text);
// One row per record in order, null slots skipped: record number, date and
// time as in the heading; then, for a level sample, what levelCells writes,
// or for a run/stop entry one cell of its state and cause ("Mark2:Name",
// "Stop:Key", without a width). Each line ends with the text layout's left
// alignment set again.
void WriteThRows(std::ostream& out, bool text, const ThMgr& history, const RecordView& parameters,
                 const std::function<void(const ThRec&)>& levelCells);
