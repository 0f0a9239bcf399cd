#pragma once
// Byte offsets of the fields the measurement setup blocks share (blocks of
// 219 or 216 bytes): MeasurementSetup reads and writes them, and the setup
// of each mode names its own accessors of the same bytes with them.
#include <cstddef>

namespace MeasurementSetupFields {
constexpr size_t kModeFlags = 41;
constexpr size_t kIntervalFlags = 42;
constexpr size_t kOutputFlags = 46;
constexpr size_t kStoreFlags = 47;
constexpr size_t kExceedanceFlags = 48;
constexpr size_t kWindFlags = 49;
constexpr size_t kRunTime = 71;
constexpr size_t kExchangeRate = 74;
constexpr size_t kThreshold = 75;
constexpr size_t kCriterionLevel = 76;
constexpr size_t kOverallExchangeRate = 77;
constexpr size_t kOverallThreshold = 78;
constexpr size_t kOverallCriterionLevel = 79;
constexpr size_t kCriterionTime = 83;
constexpr size_t kDetector = 86;
constexpr size_t kFreqWeighting = 87;
constexpr size_t kAcOutput = 89;
constexpr size_t kPeak1Weighting = 90;
constexpr size_t kRange = 91;
constexpr size_t kGain = 93;
constexpr size_t kRtaWeighting = 94;
constexpr size_t kIntervalExchangeRate = 98;
constexpr size_t kIntervalThreshold = 99;
constexpr size_t kSpectra = 103;
constexpr size_t kSpectralLn = 104;
constexpr size_t kLn1 = 110;
constexpr size_t kSplExceedanceLevel1 = 122;
constexpr size_t kPeak2ExceedanceLevel = 124;
constexpr size_t kPeak1ExceedanceLevel = 125;
constexpr size_t kExceedanceHysteresis = 126;
constexpr size_t kWindScale = 127;
constexpr size_t kWindUnits = 130;
constexpr size_t kWindUnitsLength = 4;
constexpr size_t kWindyThreshold = 134;
constexpr size_t kWindExceedanceLevel = 136;
constexpr size_t kWindyHysteresis = 138;
constexpr size_t kDirectionUnits = 139;
constexpr size_t kOtherLevel = 140;
constexpr size_t kTimeHistoryPeriod = 141;
constexpr size_t kTimeHistoryPeriodUnit = 142;
constexpr size_t kPrintDataReport = 145;
constexpr size_t kPrintSetup = 147;
constexpr size_t kIntervalReportChoice = 148;
constexpr size_t kPrintSplHistogram = 153;
constexpr size_t kPrintPeak2Histogram = 157;
constexpr size_t kPrintPeak1Histogram = 161;
constexpr size_t kPrintTimeHistory = 165;
constexpr size_t kExceedanceReportChoice = 166;
constexpr size_t kDailyReportChoice = 167;
constexpr size_t kMinimumDuration = 174;
constexpr size_t kExceedanceThPeriod = 176;
constexpr size_t kTimedExcdMinutes = 177;
constexpr size_t kTimedExcdSeconds = 178;
constexpr size_t kSplExceedanceLevel2 = 179;
constexpr size_t kLnStartLevel = 181;
constexpr size_t kAvgToneCount = 188;
// The time-history items, bytes 182 to 187: the level and live bytes of A,
// C and Flat.
constexpr size_t kThLevelA = 182;
constexpr size_t kThLiveA = 183;
constexpr size_t kThLevelC = 184;
constexpr size_t kThLiveC = 185;
constexpr size_t kThLevelF = 186;
constexpr size_t kThLiveF = 187;
}  // namespace MeasurementSetupFields
