#pragma once
// What the common header and the measurement summaries share: the level,
// time and duration texts of the summaries, the wind lines and the "Any
// Data" block.
#include <cstdint>
#include <ostream>
#include <string>

#include "KeptRecordFields.h"
#include "ExportFields.h"
#include "RecordTexts.h"
#include "ReportWriter.h"

// A label and its value on one line: the label left-aligned in labelWidth
// and the value after it (text), or two fields (CSV).
template <class T>
void LabelledLine(std::ostream& out, bool text, int labelWidth, const char* label, const T& value)
{
    CellLine(out, text).Left(labelWidth, label).Left(0, value).End();
}

// The text without its trailing blanks.
std::string TrimRight(std::string text);

// "Enabled" or "Disabled" for a switch of the setup; empty when the setup
// record is missing and the switch is not known.
inline std::string SwitchStatus(const RecordView& setup, bool enabled)
{
    return setup.IsEmpty() ? "" : enabled ? "Enabled" : "Disabled";
}

// A level cell of a weighting column (0 A, 1 C, 2 Flat): "94.3 dBC".
std::string LevelCell(float level, int weighting);
// A stored time in local time, "09-Jun-2003 14:05:09"; DateText and
// ClockText are its two halves for the CSV layouts that split it.
std::string TimeCell(uint32_t stamp);
std::string ClockText(uint32_t stamp);
// Seconds as hours, minutes and seconds with one decimal.
std::string DurationCell(float seconds);

// The compass point of a wind direction index 0 to 15, clockwise from
// north ("  N", "NNE" ...); empty for any other index.
const char* CompassText(int index);

// Where the setup record keeps the wind sensor's scale and limits.
struct WindSetup {
    size_t scale;      // float: wind unit per raw count
    size_t unit;       // text
    size_t unitLength;
    size_t threshold;  // signed 16-bit raw count
    size_t exceedanceLevel;
};

// The wind sensor's settings of the LOG and SSA setup records.
constexpr WindSetup kLogWindSetup = {LogSetupFields::kWindScale, LogSetupFields::kWindUnits,
                                     LogSetupFields::kWindUnitsLength, 230, 232};
constexpr WindSetup kSsaWindSetup = {SsaSetupFields::kWindScale, SsaSetupFields::kWindUnits,
                                     SsaSetupFields::kWindUnitsLength, 270, 272};

// The wind lines of the summaries, then an empty line: average and maximum
// speed, direction and time of the maximum, threshold and exceedance level
// with the time above and the exceedances, and the share of time per
// direction.
void WriteWindLines(std::ostream& out, bool text, const RecordView& summary, const RecordView& setup,
                    const WindSetup& wind);

// Fields of the summary record beside the two sets.
namespace SummaryFields {
constexpr size_t kBattery = 116;  // 8-byte text
constexpr size_t kPowerSource = 124;  // 4-byte text
constexpr size_t kCalibrated = 128;
constexpr size_t kCheckLevel = 132;
constexpr size_t kChecked = 136;
constexpr size_t kCalOffset = 140;
constexpr size_t kFreeMemory = 452;
constexpr size_t kMemorySize = 552;
constexpr size_t kLnLevels = 596;
constexpr size_t kLnPercentiles = 624;
constexpr size_t kCnel = 648;
constexpr size_t kLdn = 664;
constexpr size_t kOverallLeq = 668;
constexpr size_t kOverloads = 912;
constexpr size_t kPauses = 916;
constexpr size_t kPausedTime = 920;
constexpr size_t kPeak2Exceedances = 924;
constexpr size_t kCalRecords = 932;
constexpr size_t kHistoryRecords = 948;
constexpr size_t kIntervalRecords = 952;
constexpr size_t kSplExceedances1 = 964;
constexpr size_t kSplExceedances2 = 968;
constexpr size_t kRunStopRecords = 960;
constexpr size_t kPeak1Exceedances = 3620;
// The wind summary of the LOG and SSA modes.
constexpr size_t kWindAverage = 3624;
constexpr size_t kWindShares = 3628;  // 8 i32 percentages, N to NW
constexpr size_t kWindMax = 3660;
constexpr size_t kWindMaxDirection = 3664;
constexpr size_t kWindMaxTime = 3668;
constexpr size_t kWindAboveThreshold = 3676;
constexpr size_t kWindExceedances = 3680;
// Spectra: 33 one-third octave bands from 12.5 Hz, 11 octaves from 16 Hz.
constexpr size_t kLeqThirds = 976;
constexpr size_t kLeqOctaves = 1112;
constexpr size_t kMaxThirds = 1368;
constexpr size_t kMaxOctaves = 1504;
constexpr size_t kMinThirds = 1552;
constexpr size_t kMinOctaves = 1688;
// Spectral Ln's: six rows of 33 bands (row x 33 + band), and the percentile
// of each row.
constexpr size_t kSpectralLn = 2672;
constexpr size_t kSpectralLnPercentiles = 3464;
// The RTA and ZU-Reru summaries. An RTA spectrum holds its bands from
// kLeqThirds (and the like) on and the flat value right after the last band.
constexpr size_t kSpl = 340;               // 9 floats, weighting x 3 + detector
constexpr size_t kOverallEnd = 660;
constexpr size_t kRtaRunTime = 972;        // float seconds
constexpr size_t kSpectraDuration = 1160;  // float seconds
constexpr size_t kSpatialThirds = 2304;    // 34 floats
constexpr size_t kSpatialCount = 2488;     // float: spectra averaged, 0 none
constexpr size_t kLaftm5 = 3580;
constexpr size_t kToneFrequency = 3684;    // i32 Hz
constexpr size_t kBarqBandwidth = 3688;    // i32 Hz
constexpr size_t kToneLevel = 3692;
constexpr size_t kGroupLevel = 3696;
constexpr size_t kLaieq = 3700;
constexpr size_t kTonalityElapsed = 3704;  // float seconds
}  // namespace SummaryFields

// The calibrator named in the system settings record: its serial number
// (8 characters) and level in dB.
inline std::string CalibratorSerial(const RecordView& system)
{
    return system.Text(SystemFields::kCalibratorSerial, 8);
}
inline float CalibratorLevel(const RecordView& system) { return system.F32(SystemFields::kCalibratorLevel); }

// The time of the calibration or of its check, or "---" when none was
// stored.
std::string CalibrationTimeText(const RecordView& summary, size_t field);
// A level in dB after its label, "%6s %5.1f dB": "Offset:    1.5 dB".
std::string LabelledDecibels(const char* label, float level);

// How a summary lays out its calibration lines: the LOG summary's (the
// times as they are, split into date and clock in CSV; the calibrator's
// level on a line of its own in the text layout, "not set" without a system
// settings record) or the SSA summary's (the times or "---", the levels in
// one column, an empty line after the count).
enum class CalibrationLayout { kLog, kSsa };
// The calibration lines of the summaries: when calibrated with the offset,
// when checked with the level, the calibrator with its level, and the count
// of calibration records.
void WriteCalibrationLines(std::ostream& out, bool text, const RecordView& summary, const RecordView& system,
                           CalibrationLayout layout);

// Where one set of measurement values (the Current or the Overall set)
// lies in the summary record.
struct MeasurementSet {
    size_t start;
    size_t elapsed;
    size_t averageLabel;
    size_t averageLabelLength;
    size_t average;  // 3 floats by weighting
    size_t sel;
    size_t peak;
    size_t peakTimes;
    size_t lmax;  // 9 floats, weighting-major by detector
    size_t lmaxTimes;
    size_t lmin;
    size_t lminTimes;
    size_t dose;
    size_t projectedDose;
    size_t threshold;  // signed 16-bit dB
    size_t criterion;  // signed 16-bit dB
};
extern const MeasurementSet kCurrentSet;
extern const MeasurementSet kOverallSet;

// The set's average label ("Leq", "Lavg" ...) as the instrument sent it.
std::string AverageLabel(const RecordView& summary, const MeasurementSet& set);

// How one summary writes its "Any Data" block of a set.
struct AnyDataStyle {
    bool csvBareTitle;       // the CSV title line is the bare text, no field
    bool csvSplitStartTime;  // the CSV start time is a date and a time field
    bool closingEmptyLine;   // an empty line after the last time row
};

// The levels of a set for all three weightings and detectors with the times
// they occurred: the title line, start and elapsed time, the average, SEL
// and peak rows and the Lmax and Lmin rows of each detector.
void WriteAnyDataBlock(std::ostream& out, bool text, const RecordView& summary, const MeasurementSet& set,
                       const std::string& title, AnyDataStyle style);
