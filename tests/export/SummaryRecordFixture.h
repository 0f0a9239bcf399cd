#pragma once
// Summary records (output kind 55) for the summary writer tests: the
// Current and the Overall set of measurement values filled by name.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "OutputRecordBuilder.h"
#include "RecordView.h"

namespace summaryfixture {

// 09-Jun-2003 14:05:09 in Berlin.
constexpr uint32_t kStart = 1055160309;

struct SetLayout {
    size_t start, elapsed, averageLabel, average, sel, peak, peakTimes, lmax, lmaxTimes, lmin, lminTimes;
    size_t dose, projectedDose, threshold, criterion;
};
inline constexpr SetLayout kCurrent = {376, 324, 396, 384, 328, 296, 308, 152, 188, 224, 260, 148, 320, 380, 144};
inline constexpr SetLayout kOverall = {860, 844, 880, 868, 848, 816, 828, 672, 708, 744, 780, 656, 840, 864, 652};

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
inline void FillSet(testsupport::OutputRecordBuilder& record, const SetLayout& at, const SetValues& v)
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
    FillSet(record, kOverall, overall);
    SetValues current;
    current.averageLabel = "Lavg";
    current.average = {65.3f, 70.1f, 999.0f};
    current.sel = {90.0f, 94.26f, 96.0f};
    current.peak = {110.0f, 112.5f, 115.0f};
    FillSet(record, kCurrent, current);
    record.F32(kOverall.dose, 12.5f).F32(kCurrent.dose, 3.25f);
    record.F32(kOverall.projectedDose, 50.0f).F32(kCurrent.projectedDose, 25.0f);
    record.I16(kOverall.threshold, 80).I16(kCurrent.threshold, 70);
    record.I16(kOverall.criterion, 90).I16(kCurrent.criterion, 85);

    record.Floats(596, {70.0f, 65.34f, 60.0f, 55.0f, 50.0f, 999.0f})  // Ln levels
        .Floats(624, {1.0f, 10.0f, 50.0f, 90.0f, 95.0f, 99.0f})        // Ln percentiles
        .F32(664, 68.0f)                                                // LDN
        .F32(648, 999.0f)                                               // CNEL not measured
        .F32(668, 66.6f);                                               // overall Leq
    record.U32(912, 2).U32(916, 3).F32(920, 65.0f);                     // overloads, pauses, paused time
    record.U32(964, 4).U32(968, 5).U32(3620, 6).U32(924, 7);            // exceedances
    record.U32(128, kStart - 3600).F32(140, -0.3f).U32(136, kStart + 9000).F32(132, 93.9f).U32(932, 2);
    record.U32(952, 120).U32(948, 3600).U32(960, 4);                     // interval, history, run/stop records
    record.U32(552, 4194304).U32(452, 1048576).Text(116, "6.2V").Text(124, "Ext");
    record.F32(3624, 3.46f).F32(3660, 12.0f).I16(3664, 2).U32(3668, kStart + 600).F32(3676, 12.5f).U32(3680, 9);
    const int directionShares[] = {10, 20, 5, 5, 30, 10, 10, 10};
    for (size_t i = 0; i < 8; ++i)
        record.U32(3628 + 4 * i, static_cast<uint32_t>(directionShares[i]));
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
    return testsupport::OutputRecordBuilder(54).F32(252, 94.0f).Text(256, "CAL200");
}

inline RecordView View(const std::vector<uint8_t>& bytes) { return RecordView(bytes.data(), bytes.size()); }

}  // namespace summaryfixture
