#pragma once
// The time-history column plan of the LOG, SSA and ZU-Reru modes, one for the
// report view (screen and paper) and both export layouts: after "Rec #",
// "Date", "Time" and "Leq" either the one other level the setup chose, or the
// advanced columns (detector levels of the weightings A, C and F chosen by
// the setup's six column flag bytes, then the auxiliary readings), then in
// the exports the stored RTA spectrum.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "KeptRecordFields.h"
#include "RecordManagers.h"
#include "RecordView.h"
#include "ThRec.h"

// Whose setup record the plan reads: the LOG, SSA or ZU-Reru (TAL) mode.
enum class ThMode : int { kLog, kSsa, kTal };

struct ThColumn {
    enum Kind {
        kDetector,
        kLiveDetector,
        kLaftm5,
        kWindSpeed,
        kWindDirection,
        kLaieq,
        kBattery,
        kExternal,
        kTemperature
    };
    Kind kind;
    char letter;  // detectors: 'A', 'C' or 'F'
    int bit;      // detectors: the detector bit
};

// The other-level code, the column flags and the wind settings of a mode
// setup record (the ZU-Reru mode has no wind sensor).
struct ThSetup {
    ThSetup(const RecordView& setup, ThMode mode);

    ThMode mode;
    bool empty = true;
    int otherLevel = 0;
    ThColumnFlags flags;
    float windScale = 0;
    std::string windUnits;
    int directionUnits = 0;

    // Codes 1 to 3: one column of the other level.
    bool OneOtherLevel() const { return !empty && otherLevel >= 1 && otherLevel <= 3; }
    // Code 4: the advanced columns.
    bool Advanced() const { return !empty && otherLevel == 4; }
};

// The advanced columns whose bits are set, in table order.
std::vector<ThColumn> ThAdvancedColumns(const ThSetup& setup);
// All set bits of the six column flag bytes, as the report's note counts
// them.
int ThFlagBitCount(const ThSetup& setup);

// The heading of a column on screen and paper ("A-TWA", "AMaxSlw",
// "Wind mph"), in the text layout (right-aligned, mostly in 10) and in the
// CSV layout ("A-MaxSlow", "Wnd Spd(mph)").
std::string ThScreenHeading(const ThColumn& column, const ThSetup& setup);
std::string ThTextHeading(const ThColumn& column, const ThSetup& setup);
std::string ThCsvHeading(const ThColumn& column, const ThSetup& setup);

// How battery, external input and temperature readings are shown: as levels
// (999.0 shows " --- "), with one decimal (ties away from zero, or to even as
// a stream prints a number) or with two.
enum class ThReadings { kLevels, kOneDecimal, kOneDecimalToEven, kTwoDecimals };

// The value text of a level sample. Empty for a sample that stores no such
// values (one of a time-history stream).
std::string ThValue(const ThColumn& column, const ThRec& record, const ThSetup& setup, ThReadings readings);

// The heading of the one other level ("Peak-II", "Lmax").
std::string ThOtherLevelHeading(const ThSetup& setup);
// The other level of a level sample (999.0 shows " --- "); empty when the
// sample stores none.
std::string ThOtherLevel(const ThRec& record);

// The stored RTA spectrum the exports show: F2 bit 0x02 the Leq spectrum,
// else bit 0x01 the live one.
enum class ThSpectrum { kNone, kLeq, kLive };
constexpr int kThBands = 33;
ThSpectrum ThChosenSpectrum(const ThSetup& setup);
// "RTA Leq 1/3 Spectrum", "RTA Live 1/1 Spectrum".
const char* ThSpectrumTitle(ThSpectrum spectrum, bool octaves);
// The heading of third-octave band 0 to 32: "12.5Hz", "16.0 Hz" ... "20000 Hz".
std::string ThBandHeading(int band);
// The level of a band of the chosen spectrum.
float ThBandLevel(const ThRec& record, ThSpectrum spectrum, int band);

// The one cell of a run/stop entry, on screen and in both export layouts:
// its state and cause, "Mark2:Name", "Stop:Key". The cause code is the
// entry's signed 16-bit word. A mark is numbered by it (code - 10, 0 for code
// 0); codes 11 to 16 show the name of mark 1 to 6 from the parameter record,
// any other code the entry's cause text.
std::string ThRunStopText(const ThRec& record, const RecordView& parameters);

// The opening of the heading line: "Rec #", "Date" and "Time" left-aligned
// in 9, 12 and 12, then "Leq" right-aligned in 6 (text); four fields (CSV).
// The text layout's alignment stays right for the headings that follow.
void WriteThHeadingStart(std::ostream& out, bool text);
// One row per record in order, null slots skipped: record number, date and
// time as in the heading; then, for a level sample, what levelCells writes,
// or for a run/stop entry its ThRunStopText in one cell without a width. Each line ends with the text layout's left
// alignment set again.
void WriteThRows(std::ostream& out, bool text, const ThMgr& history, const RecordView& parameters,
                 const std::function<void(const ThRec&)>& levelCells);
