#pragma once
// What the report view and the snapshot writer both show of a ZU-Reru sound
// level meter snapshot: the three indicator rows (a level, the LAeq it is
// compared with, and their difference) and the level rows of the A, C and
// Flat weightings; and the band count and columns of the ZU-Reru spectra.
#include <array>
#include <string>

#include "BandNames.h"
#include "SnapRec.h"
#include "TableWriterSupport.h"

namespace talsnapshot {

constexpr int kBandCount = 33;  // 8 Hz to 12.5 kHz
// The left column of a two-column table: 8 Hz to 315 Hz.
constexpr int kLeftColumnBands = TwoColumnRows(kBandCount);

// Leq table entries of an SLM snapshot.
enum { kLAeq = 0, kLCeq = 1, kFlatLeq = 2, kLAIeq = 3 };

// Labels without a colon.
struct Indicator {
    const char* label;
    float level;
};
inline std::array<std::array<Indicator, 3>, 3> IndicatorRows(const SnapRec& r)
{
    const float laeq = r.GetLeqTable(kLAeq);
    const float lceq = r.GetLeqTable(kLCeq);
    const float laieq = r.GetLeqTable(kLAIeq);
    const float laftm5 = r.GetLaftm5();
    return {{
        {{{"LAFTM5", laftm5}, {"LCeq", lceq}, {"LAIeq", laieq}}},
        {{{"LAeq", laeq}, {"LAeq", laeq}, {"LAeq", laeq}}},
        {{{"LAFTM5-LAeq", laftm5 - laeq}, {"LCeq-LAeq", lceq - laeq}, {"LAIeq-LAeq", laieq - laeq}}},
    }};
}

// A level row: A, C and Flat of one table, entries first, first + step,
// first + 2 step (the 3 x 3 tables are weighting-major).
struct WeightingRow {
    const char* label;
    float (SnapRec::*get)(int) const;
    int first;
    int step;
};
constexpr std::array<WeightingRow, 7> kWeightingRows = {{
    {"Leq:", &SnapRec::GetLeqTable, kLAeq, 1},
    {"SPL (slow):", &SnapRec::GetSplTable, 0, 3},
    {"Lmax (slow):", &SnapRec::GetLmaxTable, 0, 3},
    {"SPL (fast):", &SnapRec::GetSplTable, 1, 3},
    {"Lmax (fast):", &SnapRec::GetLmaxTable, 1, 3},
    {"SPL (impulse):", &SnapRec::GetSplTable, 2, 3},
    {"Lmax (impulse):", &SnapRec::GetLmaxTable, 2, 3},
}};
constexpr std::array<const char*, 3> kWeightingUnits = {"dBA", "dBC", "dBF"};

inline float WeightingLevel(const SnapRec& r, const WeightingRow& row, int weighting)
{
    return (r.*row.get)(row.first + row.step * weighting);
}

}  // namespace talsnapshot
