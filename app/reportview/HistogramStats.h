#pragma once
// The statistics of the Ln-table block that interval and day reports draw
// under each record: 128 one-dB bin counts from a base level, cut into rows
// of the resolution between the limits of the profile section "Histogram
// Options" ("LnTblRes", "LnTblLowLimit", "LnTblHighLimit").
#include <cstdint>

class HistogramStats {
public:
    // bins: 128 counts; divisor: samples per second.
    HistogramStats(const uint32_t* bins, int baseLevel, int divisor);

    // Everything below the low limit.
    void GetBelowRow(float* level, int* count, float* percent, float* seconds) const;
    // Range row `row`: resolution bins from the low limit + row x resolution.
    void GetRangeRow(int row, float* level, int* count, float* percent, float* seconds) const;
    // Everything one resolution above the high limit and up.
    void GetAboveRow(float* level, int* count, float* percent, float* seconds) const;

private:
    static constexpr int kBins = 128;
    void Fill(int count, float* percent, float* seconds) const;

    uint32_t bins_[kBins];
    uint64_t total_ = 0;
    int base_;
    int divisor_;
    int resolution_;
    int low_;
    int high_;
};
