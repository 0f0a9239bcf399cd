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

HistogramStats::HistogramStats(const uint32_t* bins, int offset, int countsPerSecond)
    : m_offset(offset), m_countsPerSecond(countsPerSecond)
{
    if (bins)
        for (int i = 0; i < kBins; ++i) {
            m_bins[static_cast<size_t>(i)] = bins[i];
            m_total += bins[i];
        }
    platform::Profile& profile = platform::AppProfile();
    m_resolution = std::clamp(kLnTableOptions.resolution.Read(profile), 1, 10);
    m_low = kLnTableOptions.low.Read(profile) - offset;
    if (m_low < 0 || m_low > kBins) {
        m_low = 0;
        kLnTableOptions.low.Write(profile, offset);
    }
    m_high = kLnTableOptions.high.Read(profile) - offset;
    if (m_high < 0 || m_high > kBins) {
        m_high = kBins - (kBins - m_low) % m_resolution;
        kLnTableOptions.high.Write(profile, m_high + offset);
    }
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
