#pragma once
// The Ln-table rows of one 128-bin level histogram (bins one dB wide): the
// row of everything below the low limit, the rows of one resolution step
// each from the low limit on, and the row above the high limit. Limits and
// resolution come from the profile section "Histogram Options"; a limit that
// lies outside the histogram is corrected and written back there.
#include <array>
#include <cstddef>
#include <cstdint>

namespace platform {
class Profile;
}

// The Ln-table limits of the profile for a histogram of 128 bins whose bin 0
// stands at baseLevel dB, as bin indexes. The one rule for the line counts
// and the rows: the resolution is kept within 1 to 10 dB, a low limit
// outside the histogram becomes bin 0, a high limit outside it the last
// whole step from the low limit that the histogram holds.
struct LnTableLimits {
    int resolution = 10;
    int low = 0;
    int high = 0;
    // The profile's limit lay outside the histogram and was replaced.
    bool lowCorrected = false;
    bool highCorrected = false;

    // The rows of the table: its title, the column heads, the row below the
    // low limit, the range rows from the low limit to the high limit and the
    // row above the high limit.
    int RowCount() const { return (high - low) / resolution + 5; }
};
LnTableLimits ReadLnTableLimits(const platform::Profile& profile, int baseLevel);

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
    // The rows of the table these statistics fill, title and heads included.
    int GetTableRowCount() const { return m_rowCount; }

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
    int m_rowCount = 0;
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
