#pragma once
// Summary records (output kind 55) for the summary writer tests: the
// Current and the Overall set of measurement values filled by name.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "KeptRecordFields.h"
#include "OutputRecordBuilder.h"
#include "RecordView.h"

namespace summaryfixture {

// 09-Jun-2003 14:05:09 in Berlin.
constexpr uint32_t kStart = 1055160309;

struct SetValues {
    uint32_t start = kStart;
    float elapsed = 125.8f;
    std::string averageLabel = "Leq";
    std::array<float, 3> average{};  // A, C, Flat
    std::array<float, 3> sel{};
    std::array<float, 3> peak{};
    // Lmax and Lmin element w x 3 + d is the base plus the element number.
    float lmaxBase = 80.0f;
    float lminBase = 40.0f;
};

// Writes one set. The peaks occur 1, 2 and 3 minutes after the start, the
// Lmax of element e at 1 hour plus e minutes, the Lmin at 2 hours plus e.
inline void FillSet(testsupport::OutputRecordBuilder& record, const MeasurementSet& at, const SetValues& v)
{
    record.U32(at.start, v.start).F32(at.elapsed, v.elapsed).Text(at.averageLabel, v.averageLabel);
    for (size_t w = 0; w < 3; ++w) {
        record.F32(at.average + 4 * w, v.average[w]).F32(at.sel + 4 * w, v.sel[w]).F32(at.peak + 4 * w, v.peak[w]);
        record.U32(at.peakTimes + 4 * w, v.start + 60 * static_cast<uint32_t>(w + 1));
    }
    record.FloatRamp(at.lmax, 9, v.lmaxBase, 1.0f).FloatRamp(at.lmin, 9, v.lminBase, 1.0f);
    for (uint32_t e = 0; e < 9; ++e) {
        record.U32(at.lmaxTimes + 4 * e, v.start + 3600 + 60 * e);
        record.U32(at.lminTimes + 4 * e, v.start + 7200 + 60 * e);
    }
}

// A sound level meter's summary with both sets, the Ln's, counts,
// calibration, memory and wind filled in: the Overall set began a day before
// the Current one.
inline testsupport::OutputRecordBuilder SoundLevelSummary()
{
    testsupport::OutputRecordBuilder record(55);
    SetValues overall;
    overall.start = kStart - 86400;
    overall.elapsed = 3725.0f;
    overall.average = {70.0f, 75.5f, 80.0f};
    overall.sel = {100.0f, 105.0f, 110.0f};
    overall.peak = {120.0f, 125.0f, 130.0f};
    overall.lmaxBase = 90.0f;
    overall.lminBase = 30.0f;
    FillSet(record, kOverallSet, overall);
    SetValues current;
    current.averageLabel = "Lavg";
    current.average = {65.3f, 70.1f, 999.0f};
    current.sel = {90.0f, 94.26f, 96.0f};
    current.peak = {110.0f, 112.5f, 115.0f};
    FillSet(record, kCurrentSet, current);
    record.F32(kOverallSet.dose, 12.5f).F32(kCurrentSet.dose, 3.25f);
    record.F32(kOverallSet.projectedDose, 50.0f).F32(kCurrentSet.projectedDose, 25.0f);
    record.I16(kOverallSet.threshold, 80).I16(kCurrentSet.threshold, 70);
    record.I16(kOverallSet.criterion, 90).I16(kCurrentSet.criterion, 85);

    record.Floats(SummaryFields::kLnLevels, {70.0f, 65.34f, 60.0f, 55.0f, 50.0f, 999.0f})
        .Floats(SummaryFields::kLnPercentiles, {1.0f, 10.0f, 50.0f, 90.0f, 95.0f, 99.0f})
        .F32(SummaryFields::kLdn, 68.0f)
        .F32(SummaryFields::kCnel, 999.0f)  // not measured
        .F32(SummaryFields::kOverallLeq, 66.6f);
    record.U32(SummaryFields::kOverloads, 2).U32(SummaryFields::kPauses, 3).F32(SummaryFields::kPausedTime, 65.0f);
    record.U32(SummaryFields::kSplExceedances1, 4).U32(SummaryFields::kSplExceedances2, 5)
        .U32(SummaryFields::kPeak1Exceedances, 6).U32(SummaryFields::kPeak2Exceedances, 7);
    record.U32(SummaryFields::kCalibrated, kStart - 3600).F32(SummaryFields::kCalOffset, -0.3f)
        .U32(SummaryFields::kChecked, kStart + 9000).F32(SummaryFields::kCheckLevel, 93.9f)
        .U32(SummaryFields::kCalRecords, 2);
    record.U32(SummaryFields::kIntervalRecords, 120).U32(SummaryFields::kHistoryRecords, 3600)
        .U32(SummaryFields::kRunStopRecords, 4);
    record.U32(SummaryFields::kMemorySize, 4194304).U32(SummaryFields::kFreeMemory, 1048576)
        .Text(SummaryFields::kBattery, "6.2V").Text(SummaryFields::kPowerSource, "Ext");
    record.F32(SummaryFields::kWindAverage, 3.46f).F32(SummaryFields::kWindMax, 12.0f)
        .I16(SummaryFields::kWindMaxDirection, 2).U32(SummaryFields::kWindMaxTime, kStart + 600)
        .F32(SummaryFields::kWindAboveThreshold, 12.5f).U32(SummaryFields::kWindExceedances, 9);
    const int directionShares[] = {10, 20, 5, 5, 30, 10, 10, 10};
    for (size_t i = 0; i < 8; ++i)
        record.U32(SummaryFields::kWindShares + 4 * i, static_cast<uint32_t>(directionShares[i]));
    return record;
}

// The wind lines of SoundLevelSummary with a LOG or SSA setup of 0.5 m/s per
// count, threshold 20 and exceedance level 30 counts, and the empty line
// after them.
inline const std::string kWindText =
    "Wind Average:       3.5 m/s   \n"
    "Wind Max:           12.0 m/s  \n"
    "Max Wind Direction:  NE       \n"
    "Time at Wind Max:   09/06/03 14:15:09\n"
    "Wind Threshold:     10.0 m/s  Exceed Threshold:          12.5%    \n"
    "Wind Exc. level:    15.0 m/s  Num Wind Exc:             9         \n"
    "Wind Dir. Percent:   N        NE         E        SE         S        SW         W        NW        \n"
    "                    10%       20%       5%        5%        30%       10%       10%       10%       \n"
    "\n";
inline const std::string kWindCsv =
    "\"Wind Average:\",\"3.5 m/s\",\n"
    "\"Wind Max:\",\"12.0 m/s\",\n"
    "\"Max Wind Direction:\",\" NE\",\n"
    "\"Time at Wind Max:\",\"09/06/03 14:15:09\",\n"
    "\"Wind Threshold:\",\"10.0 m/s\",\"Exceed Threshold:\",\" 12.5%\",\n"
    "\"Wind Exceedance level:\",\"15.0 m/s\",\"Num Wind Exc:\",\"9\",\n"
    "\"Wind Direction Percentages:\",\" N\",\"NE\",\" E\",\"SE\",\" S\",\"SW\",\" W\",\"NW\",\n"
    "\" \",\"10%\",\"20%\",\"5%\",\"5%\",\"30%\",\"10%\",\"10%\",\"10%\",\n"
    "\n";

// System settings naming a 94 dB calibrator.
inline testsupport::OutputRecordBuilder CalibratorSystemRecord()
{
    return testsupport::OutputRecordBuilder(54)
        .F32(SystemFields::kCalibratorLevel, 94.0f)
        .Text(SystemFields::kCalibratorSerial, "CAL200");
}

inline RecordView View(const std::vector<uint8_t>& bytes) { return RecordView(bytes.data(), bytes.size()); }

}  // namespace summaryfixture
