#include "HistogramStats.h"

#include <algorithm>
#include <limits>

#include "HistogramOptions.h"
#include "Profile.h"

namespace {

void Zero(float* level, int* count, float* percent, float* time)
{
    *level = 0;
    *count = 0;
    *percent = 0;
    *time = 0;
}

int ToCount(int64_t count)
{
    return static_cast<int>(std::min<int64_t>(count, std::numeric_limits<int>::max()));
}
}  // namespace

LnTableLimits ReadLnTableLimits(const platform::Profile& profile, int baseLevel)
{
    constexpr int kBins = HistogramStats::kBins;
    LnTableLimits limits;
    limits.resolution = std::clamp(kLnTableOptions.resolution.Read(profile), 1, 10);
    limits.low = kLnTableOptions.low.Read(profile) - baseLevel;
    if (limits.low < 0 || limits.low > kBins) {
        limits.low = 0;
        limits.lowCorrected = true;
    }
    limits.high = kLnTableOptions.high.Read(profile) - baseLevel;
    if (limits.high < 0 || limits.high > kBins) {
        limits.high = kBins - (kBins - limits.low) % limits.resolution;
        limits.highCorrected = true;
    }
    return limits;
}

HistogramStats::HistogramStats(const uint32_t* bins, int offset, int countsPerSecond)
    : m_offset(offset), m_countsPerSecond(countsPerSecond)
{
    if (bins)
        for (int i = 0; i < kBins; ++i) {
            m_bins[static_cast<size_t>(i)] = bins[i];
            m_total += bins[i];
        }
    platform::Profile& profile = platform::AppProfile();
    const LnTableLimits limits = ReadLnTableLimits(profile, offset);
    m_resolution = limits.resolution;
    m_low = limits.low;
    m_high = limits.high;
    m_rowCount = limits.RowCount();
    // The corrected limits are stored, so that the options dialog shows the
    // limits the tables use.
    if (limits.lowCorrected)
        kLnTableOptions.low.Write(profile, m_low + offset);
    if (limits.highCorrected)
        kLnTableOptions.high.Write(profile, m_high + offset);
}

int64_t HistogramStats::Sum(int first, int last) const
{
    int64_t sum = 0;
    for (int i = std::max(first, 0); i <= std::min(last, kBins - 1); ++i)
        sum += m_bins[static_cast<size_t>(i)];
    return sum;
}

void HistogramStats::Put(int64_t count, float* percent, float* time) const
{
    if (count <= 0)
        return;
    if (m_total > 0)
        *percent = static_cast<float>(static_cast<double>(count) / static_cast<double>(m_total) * 100.0);
    // A histogram without a sample rate has no durations.
    if (m_countsPerSecond > 0)
        *time = static_cast<float>(static_cast<double>(count) / m_countsPerSecond);
}

void HistogramStats::GetBelowRow(float* level, int* count, float* percent, float* time) const
{
    Zero(level, count, percent, time);
    const int64_t sum = Sum(0, m_low - 1);
    *level = static_cast<float>(m_low + m_offset);
    *count = ToCount(sum);
    Put(sum, percent, time);
}

void HistogramStats::GetRangeRow(int row, float* level, int* count, float* percent, float* time) const
{
    Zero(level, count, percent, time);
    const int first = m_low + row * m_resolution;
    const int64_t sum = Sum(first, first + m_resolution - 1);
    *level = static_cast<float>(first + m_offset);
    *count = ToCount(sum);
    Put(sum, percent, time);
}

void HistogramStats::GetAboveRow(float* level, int* count, float* percent, float* time) const
{
    Zero(level, count, percent, time);
    // The row stands at the high limit. When the last range row reaches the
    // top bin nothing is left above it: no count, no time.
    *level = static_cast<float>(m_high + m_offset);
    const int last = m_high + m_resolution - 1;
    if (last >= kBins)
        return;
    const int64_t sum = Sum(last + 1, kBins - 1);
    *count = ToCount(sum);
    Put(sum, percent, time);
}
