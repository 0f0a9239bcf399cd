#pragma once
// Where the report drawers, the writers and the record builders find the
// fields of the records a data set keeps whole:
// the mode setup records (output kinds 51 SSA, 52 ISM, 53 LOG, 60 ZU-Reru,
// 63 FFT, 70 RTA, and 33 of the J46 OBA mode), the system settings (54),
// calibration (50) and parameter-line (7) records. Byte offsets in the translated
// record; one-byte setup values sit in 16-bit fields unless noted, so their
// low byte is read.
#include <cstddef>
#include <string>

#include "RecordView.h"

// The download file's header block: its text slots. The third header line
// holds the firmware version; the location and the two notes are read from
// the second character of their 82-byte slots, past the "@".
namespace FileHeaderFields {
constexpr size_t kFirmwareLine = 84;
constexpr size_t kFirmwareLength = 42;
constexpr size_t kLocation = 253;
constexpr size_t kNote1 = 335;
constexpr size_t kNote2 = 417;
constexpr size_t kNoteLength = 81;  // an 82-byte slot less its "@"
}  // namespace FileHeaderFields

// The name and description every mode setup record begins with.
namespace SetupRecordFields {
constexpr size_t kName = 14;
constexpr size_t kDescription = 24;
constexpr size_t kDescriptionEnd = 60;  // the first field after the description
constexpr size_t kNameLength = kDescription - kName;
constexpr size_t kDescriptionLength = kDescriptionEnd - kDescription;
// The timer and interval texts of the LOG, SSA and OBA setups.
constexpr size_t kDateLength = 12;    // "yy/mm/dd"
constexpr size_t kTimeLength = 6;     // "hh:mm"
constexpr size_t kPeriodLength = 12;  // "hh:mm:ss"
}  // namespace SetupRecordFields

// The time-history column flag bytes of a mode setup record, in the order
// A1, A2, C1, C2, F1, F2 (first and second byte of weightings A, C and Flat).
struct ThColumnFlagOffsets {
    size_t a1, a2, c1, c2, f1, f2;
};

namespace LogSetupFields {  // kind 53
constexpr size_t kDetector = 156;
constexpr size_t kFreqWeighting = 158;
constexpr size_t kPeak1Weighting = 162;
constexpr size_t kWindScale = 220;      // float
constexpr size_t kWindUnits = 224;      // 4 characters, not always ended
constexpr size_t kWindUnitsLength = 4;
constexpr size_t kOtherLevel = 236;
constexpr size_t kLnStartLevel = 296;
constexpr ThColumnFlagOffsets kThFlags = {298, 306, 300, 308, 302, 310};
constexpr size_t kDirectionUnits = 312;  // one byte
constexpr size_t kExceedanceFlags = 68;  // 0x80 exceedance records
constexpr size_t kOptionFlags = 70;      // 0x40 wind measured
constexpr size_t kWindThreshold = 230;   // signed raw count
constexpr size_t kWindExceedanceLevel = 232;
// The settings printout's fields.
constexpr size_t kIntervalFlags = 62;
constexpr size_t kHistoryFlags = 66;    // time history and daily history switches
constexpr size_t kTimerMode = 72;
constexpr size_t kStartDate = 74;       // "yy/mm/dd" in 12 bytes
constexpr size_t kStopDate = 86;
constexpr size_t kStartTime1 = 98;      // "hh:mm" in 6 bytes
constexpr size_t kStopTime1 = 104;
constexpr size_t kStartTime2 = 110;
constexpr size_t kStopTime2 = 116;
constexpr size_t kCurrentExchangeRate = 132;
constexpr size_t kCurrentThreshold = 134;
constexpr size_t kCurrentCriterion = 136;
constexpr size_t kOverallExchangeRate = 138;
constexpr size_t kOverallThreshold = 140;
constexpr size_t kOverallCriterion = 142;
constexpr size_t kCriterionTime = 150;
constexpr size_t kAcOutput = 160;
constexpr size_t kRange = 164;
constexpr size_t kIntervalExchangeRate = 168;
constexpr size_t kIntervalThreshold = 170;
constexpr size_t kIntervalPeriod = 172;  // "hh:mm:ss" in 12 bytes
constexpr size_t kLnPercentiles = 184;   // six floats
constexpr size_t kSplExceedance1 = 208;  // float
constexpr size_t kPeak2Exceedance = 212;
constexpr size_t kPeak1Exceedance = 214;
constexpr size_t kHysteresis = 216;
constexpr size_t kHistoryPeriod = 238;
constexpr size_t kHistoryUnit = 240;
constexpr size_t kPrintDataReport = 242;
constexpr size_t kIntervalReport = 248;
constexpr size_t kPrintSplHistogram = 250;
constexpr size_t kPrintPeak2Histogram = 258;
constexpr size_t kPrintPeak1Histogram = 266;
constexpr size_t kPrintTimeHistory = 274;
constexpr size_t kSplExceedance2 = 292;
}  // namespace LogSetupFields

namespace SsaSetupFields {  // kind 51
constexpr size_t kModeFlags = 60;        // 0x08 one-third octaves, 0x04 RTA detector Fast
constexpr size_t kIntervalFlags = 62;    // 0x40 Ln levels saved with each interval
constexpr size_t kDetector = 126;
constexpr size_t kWeighting = 128;
constexpr size_t kPeak1Weighting = 132;
constexpr size_t kIntervalSpectra = 170; // 0 none, 1 at Max, 2 Min of Min
constexpr size_t kOtherLevel = 172;
constexpr size_t kLnStartLevel = 212;
constexpr ThColumnFlagOffsets kThFlags = {214, 222, 216, 224, 218, 226};
constexpr size_t kSpectralLn = 256;      // 0 none, 1 overall, 2 per interval
constexpr size_t kWindScale = 260;       // float
constexpr size_t kWindUnits = 264;       // 4 characters and a NUL
constexpr size_t kWindUnitsLength = 4;
constexpr size_t kDirectionUnits = 276;  // one byte
constexpr size_t kOptionFlags = 64;      // 0x40 wind measured
constexpr size_t kWindThreshold = 270;   // signed raw count
constexpr size_t kWindExceedanceLevel = 272;
constexpr size_t kSplExceedance1 = 156;  // float dB
constexpr size_t kSplExceedance2 = 160;  // signed whole dB, as the three below
constexpr size_t kPeak2Exceedance = 162;
constexpr size_t kPeak1Exceedance = 164;
constexpr size_t kHysteresis = 166;
// The settings printout's fields.
constexpr size_t kFormatVersion = 12;    // signed; the RTA weighting from 4 on
constexpr size_t kTimerMode = 66;
constexpr size_t kStartDate = 68;        // "yy/mm/dd" in 12 bytes
constexpr size_t kStopDate = 80;
constexpr size_t kStartTime1 = 92;       // "hh:mm" in 6 bytes
constexpr size_t kStopTime1 = 98;
constexpr size_t kStartTime2 = 104;
constexpr size_t kStopTime2 = 110;
constexpr size_t kAcOutput = 130;
constexpr size_t kRtaWeighting = 134;
constexpr size_t kSecondDisplay = 136;
constexpr size_t kGain = 138;
constexpr size_t kIntervalExchangeRate = 140;  // signed index; dB = index + 3
constexpr size_t kIntervalThreshold = 142;
constexpr size_t kIntervalPeriod = 144;  // "h:m:s" in 12 bytes
constexpr size_t kLnFlags = 168;         // 2 Ln enabled, 4 resolution 1 dB, 8 time history enabled
constexpr size_t kHistoryPeriod = 174;
constexpr size_t kHistoryUnit = 176;
constexpr size_t kLnPercentiles = 232;   // six floats
}  // namespace SsaSetupFields

namespace TalSetupFields {  // kind 60
constexpr size_t kLnEnableFlags = 60;    // 0x40 Ln enabled
constexpr size_t kHistoryFlags = 88;     // 2 Ln enabled, 8 time history enabled
constexpr size_t kSlmWeighting = 74;
constexpr size_t kOtherLevel = 90;
constexpr size_t kLnStartLevel = 96;     // signed
constexpr ThColumnFlagOffsets kThFlags = {98, 106, 100, 108, 102, 110};
// The settings printout's fields.
constexpr size_t kRtaFlags = 60;         // the byte of kLnEnableFlags: 0x04 RTA detector Fast
constexpr size_t kSlmRunTimer = 62;      // text in 10 bytes
constexpr size_t kDetector = 72;
constexpr size_t kGain = 76;
constexpr size_t kRtaRunTimer = 78;      // text in 10 bytes
constexpr size_t kRunTimerLength = 10;
constexpr size_t kHistoryPeriod = 92;
constexpr size_t kHistoryUnit = 94;
constexpr size_t kLnPercentiles = 112;   // six floats
constexpr size_t kTonalAveraging = 136;  // signed byte
constexpr size_t kMode = 137;            // 0 Basic, 1 RTA, 2 Tonal
}  // namespace TalSetupFields

namespace RtaSetupFields {  // kind 70
constexpr size_t kBandwidthFlags = 60;   // one byte; 0x80 one-third octaves
constexpr size_t kLinearDetectorTime = 64;  // float seconds between ByTime records
// The rest are bytes unless noted.
constexpr size_t kVersion = 12;          // 16-bit setup format version
constexpr size_t kStoreFlags = 61;       // 0x80 save ByTime, 0x20 AutoStore
constexpr size_t kTriggerFlags = 62;     // 0x80 on; logic High: 0x40 Trigger, 0x20 Arm, 0x10 End, 0x08 run; 0x04 run on input
constexpr size_t kExpDetectorTime = 68;
constexpr size_t kPretrigger = 70;       // 16-bit
constexpr size_t kLogicOutMap = 72;      // 16-bit, bit output + 3 x state
constexpr size_t kGain = 74;
constexpr size_t kTriggerSource = 75;
constexpr size_t kArmMode = 76;
constexpr size_t kTriggerMode = 77;
constexpr size_t kEndMode = 78;
constexpr size_t kTriggerLevel = 80;     // floats
constexpr size_t kArmLevel = 84;
constexpr size_t kEndLevel = 88;
constexpr size_t kTriggerTime = 92;
constexpr size_t kArmTime = 96;
constexpr size_t kEndTime = 100;
constexpr size_t kTriggerSamples = 104;  // 16-bit each
constexpr size_t kArmSamples = 106;
constexpr size_t kEndSamples = 108;
constexpr size_t kEndThen = 110;
constexpr size_t kRepeatCount = 111;
constexpr size_t kAverageCount = 112;
constexpr size_t kRt60DbDown = 113;
constexpr size_t kNote = 114;            // 8 characters and a NUL
constexpr size_t kNoteLength = 8;
}  // namespace RtaSetupFields

namespace IsmSetupFields {  // kind 52
constexpr size_t kExchangeRate = 62;     // signed index; dB = index + 3
constexpr size_t kThreshold = 64;
constexpr size_t kDetector = 66;
constexpr size_t kWeighting = 68;
constexpr size_t kAcOutput = 72;
constexpr size_t kPeak1Weighting = 74;
constexpr size_t kRange = 76;
}  // namespace IsmSetupFields

namespace FftSetupFields {  // kind 63, 16-bit each
constexpr size_t kBandwidthIndex = 60;   // signed, 0 to 6
constexpr size_t kGain = 62;
constexpr size_t kWindow = 64;
constexpr size_t kOverloadSkipping = 66;
constexpr size_t kAverageCount = 68;     // signed
}  // namespace FftSetupFields

namespace ObaSetupFields {  // kind 33, of the J46
constexpr size_t kIntervalFlags = 62;    // one byte: 0x20 time sync, 0x10 auto stop
constexpr size_t kBandwidth = 126;       // one byte: 3 octaves, 4 one-third octaves
constexpr size_t kIntervalPeriod = 140;  // "hh:mm:ss" in 12 bytes
// The settings printout's fields.
constexpr size_t kTimerMode = 64;
constexpr size_t kStartDate = 66;        // "yy/mm/dd" in 12 bytes
constexpr size_t kStopDate = 78;
constexpr size_t kStartTime1 = 90;       // "hh:mm" in 6 bytes
constexpr size_t kStopTime1 = 96;
constexpr size_t kStartTime2 = 102;
constexpr size_t kStopTime2 = 108;
constexpr size_t kAcOutput = 130;
constexpr size_t kRange = 134;
constexpr size_t kScanMode = 136;
constexpr size_t kProfile = 138;
}  // namespace ObaSetupFields

namespace SystemFields {  // kind 54
constexpr size_t kModel = 10;            // the title texts, up to kLogicOutput
constexpr size_t kSerial = 26;
constexpr size_t kName = 38;
constexpr size_t kDescription1 = 70;
constexpr size_t kDescription2 = 102;
constexpr size_t kFlags = 16;            // one byte: 0x02 backlight, 0x20 random incidence, 0x80 modem control
constexpr size_t kLogicOutput = 146;     // one byte
constexpr size_t kLogicOutputTime = 148;
constexpr size_t kLogicInputMode = 154;  // one byte
constexpr size_t kDialOutFlags = 156;    // one byte: 1 exceedance, 2 alarm
constexpr size_t kTelephone = 158;       // 30 characters, blank padded
constexpr size_t kMonitorNumber = 190;   // signed
constexpr size_t kModemInit = 192;       // 30 characters, blank padded
constexpr size_t kPowerOffMode = 238;    // signed
constexpr size_t kAutoOffTime = 242;
constexpr size_t kStandbyTime = 244;
constexpr size_t kBacklightOffTime = 246;
constexpr size_t kLcdContrast = 248;
constexpr size_t kCalibratorLevel = 252;  // float
constexpr size_t kCalibratorSerial = 256;  // 8 characters
constexpr size_t kTransducer = 266;      // signed
constexpr size_t kAutoCalibration = 268;  // signed
constexpr size_t kAutoCalibrationTime = 270;  // "hh:mm"
constexpr size_t kEuScale = 276;         // float dB
constexpr size_t kEuLabel = 280;         // 4 characters, blank padded
constexpr size_t kSerialLength = kName - kSerial;
constexpr size_t kNameLength = kDescription1 - kName;
constexpr size_t kDescription1Length = kDescription2 - kDescription1;
constexpr size_t kDescription2Length = kLogicOutput - kDescription2;
constexpr size_t kTelephoneLength = 30;
constexpr size_t kModemInitLength = 30;
constexpr size_t kCalibratorSerialLength = 8;
constexpr size_t kAutoCalibrationTimeLength = 6;  // "hh:mm" and its NUL
constexpr size_t kEuLabelLength = 4;
}  // namespace SystemFields

namespace CalibrationFields {  // kind 50
constexpr size_t kOffset = 16;           // float dB
constexpr size_t kNoiseFloor = 24;       // float dB
constexpr size_t kCalibrationTime = 28;
constexpr size_t kCheckTime = 32;
constexpr size_t kCheckLevel = 36;       // float dB
}  // namespace CalibrationFields

namespace ParameterFields {  // kind 7
// Mark names 1 to 6, 8 characters and a NUL each, one after the other.
constexpr size_t kMarkNames = 640;
constexpr size_t kMarkNameSlot = 9;
}  // namespace ParameterFields

// The summary record (kind 55), beside its two measurement sets below; the
// RTA, ZU-Reru and FFT summaries share its layout.
namespace SummaryFields {
constexpr size_t kBattery = 116;  // text
constexpr size_t kBatteryLength = 8;
constexpr size_t kPowerSource = 124;  // text
constexpr size_t kPowerSourceLength = 4;
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
constexpr size_t kDailyRecords = 936;
constexpr size_t kExceedanceRecords = 944;
// Peak-1 levels and their times by Peak-1 weighting, of each set.
constexpr size_t kCurrentPeak1 = 404;
constexpr size_t kCurrentPeak1Times = 416;
constexpr size_t kOverallPeak1 = 888;
constexpr size_t kOverallPeak1Times = 900;
// The wind summary.
constexpr size_t kWindAverage = 3624;         // float, in the setup's wind unit
constexpr size_t kWindShares = 3628;          // 8 i32 percentages, N to NW
constexpr size_t kWindMax = 3660;
constexpr size_t kWindMaxDirection = 3664;    // compass point 0 to 15
constexpr size_t kWindMaxTime = 3668;
constexpr size_t kWindAboveThreshold = 3676;  // float percent of the time
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
constexpr size_t kSpectralLnRow = 33 * 4;  // bytes of one row
constexpr size_t kSpectralLnPercentiles = 3464;
// The RTA and ZU-Reru summaries. An RTA spectrum holds its bands from
// kLeqThirds (and the like) on and the flat value right after the last band.
constexpr size_t kSpl = 340;               // 9 floats, weighting x 3 + detector
constexpr size_t kOverallEnd = 660;
constexpr size_t kRtaRunTime = 972;        // float seconds
constexpr size_t kSpectraDuration = 1160;  // float seconds
constexpr size_t kSpatialThirds = 2304;    // 34 floats
constexpr size_t kSpatialCount = 2488;     // float: spectra averaged, 0 none
constexpr size_t kOverloadMark = 1164;     // text, blanks without an overload
constexpr size_t kOverloadMarkLength = 8;
constexpr size_t kLaftm5 = 3580;
constexpr size_t kToneFrequency = 3684;    // i32 Hz
constexpr size_t kBarqBandwidth = 3688;    // i32 Hz
constexpr size_t kToneLevel = 3692;
constexpr size_t kGroupLevel = 3696;
constexpr size_t kLaieq = 3700;
constexpr size_t kTonalityElapsed = 3704;  // float seconds
// The FFT summary: its spectrum of 401 floats dB and the time it ended.
constexpr size_t kFftSpectrum = 3708;
constexpr size_t kFftEndTime = 5312;
}  // namespace SummaryFields

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
inline constexpr MeasurementSet kCurrentSet = {376, 324, 396, 452 - 396, 384, 328, 296, 308,
                                               152, 188, 224, 260, 148, 320, 380, 144};
inline constexpr MeasurementSet kOverallSet = {0x35C, 844, 880, 912 - 880, 868, 848, 816, 828,
                                               672, 708, 744, 780, 656, 840, 864, 652};

// The six time-history column flag bytes of a setup record.
struct ThColumnFlags {
    int a1 = 0, a2 = 0, c1 = 0, c2 = 0, f1 = 0, f2 = 0;
    static ThColumnFlags Read(const RecordView& setup, const ThColumnFlagOffsets& at)
    {
        return {setup.U8(at.a1), setup.U8(at.a2), setup.U8(at.c1), setup.U8(at.c2), setup.U8(at.f1),
                setup.U8(at.f2)};
    }
};

// The name of mark 1 to 6 of the parameter-line record; empty for another
// number or without the record.
inline std::string MarkName(const RecordView& parameters, int mark)
{
    if (mark < 1 || mark > 6)
        return {};
    return parameters.Text(ParameterFields::kMarkNames + ParameterFields::kMarkNameSlot * static_cast<size_t>(mark - 1),
                           ParameterFields::kMarkNameSlot - 1);
}
