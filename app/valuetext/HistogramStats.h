#pragma once
// The Ln-table rows of one 128-bin level histogram (bins one dB wide): the
// row of everything below the low limit, the rows of one resolution step
// each from the low limit on, and the row above the high limit. Limits and
// resolution come from the profile section "Histogram Options"; a limit that
// lies outside the histogram is corrected and written back there.
#include <array>
#include <cstddef>
#include <cstdint>

class HistogramStats {
public:
    static constexpr int kBins = 128;

    // bins: 128 counts, bin 0 at offset dB; countsPerSecond turns counts
    // into seconds.
    HistogramStats(const uint32_t* bins, int offset, int countsPerSecond);
    virtual ~HistogramStats() = default;

    void GetBelowRow(float* level, int* count, float* percent, float* time) const;
    void GetRangeRow(int row, float* level, int* count, float* percent, float* time) const;
    void GetAboveRow(float* level, int* count, float* percent, float* time) const;

    int GetLowIndex() const { return m_low; }
    int GetHighIndex() const { return m_high; }
    int GetResolution() const { return m_resolution; }

private:
    // Sum of bins first to last (inclusive); bins outside 0 .. 127 count
    // nothing.
    int64_t Sum(int first, int last) const;
    void Put(int64_t count, float* percent, float* time) const;

    std::array<int64_t, kBins> m_bins{};
    int64_t m_total = 0;
    int m_low = 0;
    int m_high = 0;
    int m_resolution = 10;
    int m_offset = 0;
    int m_countsPerSecond = 0;
};

// The 128 histogram bins of an interval, day or SSA interval record.
template <class Rec>
std::array<uint32_t, HistogramStats::kBins> HistogramBinsOf(const Rec& record)
{
    std::array<uint32_t, HistogramStats::kBins> bins{};
    for (int i = 0; i < HistogramStats::kBins; ++i)
        bins[static_cast<size_t>(i)] = record.GetHistogramBin(i);
    return bins;
}
