#pragma once
// What the common header and the measurement summaries share: the level,
// time and duration texts of the summaries, the wind lines and the "Any
// Data" block.
#include <cstdint>
#include <ostream>
#include <string>

#include "KeptRecordFields.h"
#include "ExportCells.h"
#include "RecordTexts.h"
#include "ReportWriter.h"

// A label and its value on one line: the label left-aligned in labelWidth
// and the value after it (text), or two fields (CSV).
template <class T>
void LabelledLine(std::ostream& out, bool text, int labelWidth, const char* label, const T& value)
{
    CellLine(out, text).Left(labelWidth, label).Left(0, value).End();
}

// The program's version as the common header and the report view state it.
inline constexpr double kSoftwareVersion = 3.12;
// The firmware version of the download file's header block: its firmware
// line reads like "1.05 12-Mar-03", the version is what stands before the
// first blank, a line without a blank names none; "?.???" without the block.
std::string FirmwareRevision(const RecordView& header);

// "Enabled" or "Disabled" for a switch of the setup; empty when the setup
// record is missing and the switch is not known.
inline std::string SwitchStatus(const RecordView& setup, bool enabled)
{
    return setup.IsEmpty() ? "" : enabled ? "Enabled" : "Disabled";
}

// A level cell of a weighting column (0 A, 1 C, 2 Flat): "94.3 dBC".
std::string LevelCell(float level, int weighting);

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
                                     LogSetupFields::kWindUnitsLength, LogSetupFields::kWindThreshold,
                                     LogSetupFields::kWindExceedanceLevel};
constexpr WindSetup kSsaWindSetup = {SsaSetupFields::kWindScale, SsaSetupFields::kWindUnits,
                                     SsaSetupFields::kWindUnitsLength, SsaSetupFields::kWindThreshold,
                                     SsaSetupFields::kWindExceedanceLevel};

// The wind lines of the summaries, then an empty line: average and maximum
// speed, direction and time of the maximum, threshold and exceedance level
// with the time above and the exceedances, and the share of time per
// direction.
void WriteWindLines(std::ostream& out, bool text, const RecordView& summary, const RecordView& setup,
                    const WindSetup& wind);

// The calibrator named in the system settings record: its serial number
// and level in dB.
inline std::string CalibratorSerial(const RecordView& system)
{
    return system.Text(SystemFields::kCalibratorSerial, SystemFields::kCalibratorSerialLength);
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
