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

inline RecordView View(const std::vector<uint8_t>& bytes) { return RecordView(bytes.data(), bytes.size()); }

}  // namespace summaryfixture
