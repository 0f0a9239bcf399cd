#include "HistogramMgr.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

void HistogramMgr::RemoveAll()
{
    m_bins.clear();
    m_total = 0;
    m_low = 0;
    m_high = 0;
    m_baseLevel = 0;
}

void HistogramMgr::SetLevelRange(int a, int b)
{
    int low = std::min(a, b);
    int high = std::max(a, b);
    m_low = (low - m_baseLevel >= 0 && low - m_baseLevel <= 128) ? low : m_baseLevel;
    m_high = (high - m_baseLevel >= 0 && high - m_baseLevel <= 128) ? high : m_baseLevel + 127;
}

HistogramMgr::Stats HistogramMgr::Sum(int first, int last) const
{
    Stats s;
    first = std::max(first, 0);
    last = std::min(last, GetSize() - 1);
    double rate = 32.0;
    bool any = false;
    // Damaged counts can add up past int: the row shows the largest int then.
    int64_t count = 0;
    for (int i = first; i <= last; ++i) {
        const HistogramRec& bin = m_bins[static_cast<size_t>(i)];
        count += bin.GetCount();
        s.percent += bin.GetPercent();
        rate = bin.GetSamplesPerSecond();
        any = true;
    }
    s.count = static_cast<int>(std::min<int64_t>(count, INT32_MAX));
    if (any)
        s.seconds = static_cast<float>(static_cast<double>(count) / rate);
    return s;
}

void HistogramMgr::Put(const Stats& s, float* level, int* count, float* percent, float* seconds)
{
    if (level)
        *level = s.level;
    if (count)
        *count = s.count;
    if (percent)
        *percent = s.percent;
    if (seconds)
        *seconds = s.seconds;
}

void HistogramMgr::GetBelowLowStats(float* level, int* count, float* percent, float* seconds) const
{
    Stats s;
    if (!m_bins.empty()) {
        int end = std::min((m_low - m_baseLevel) * m_binsPerDb, m_binCount);
        Stats sum = Sum(0, end - 1);
        s.level = static_cast<float>(m_low);
        s.count = sum.count;
        if (sum.count >= 1 && m_total > 0) {
            s.percent = static_cast<float>(100.0 * sum.count / m_total);
            s.seconds = sum.seconds;
        }
    }
    Put(s, level, count, percent, seconds);
}

void HistogramMgr::GetAboveHighStats(float* level, int* count, float* percent, float* seconds) const
{
    Stats s;
    if (!m_bins.empty()) {
        s.level = static_cast<float>(m_high);
        int first = (m_high - m_baseLevel) * m_binsPerDb + StepBins();
        if (first < m_binCount) {
            // Bin 0 never counts as above the range.
            Stats sum = Sum(std::max(first, 1), m_binCount - 1);
            s.count = sum.count;
            if (sum.count >= 1 && m_total > 0) {
                s.percent = static_cast<float>(100.0 * sum.count / m_total);
                s.seconds = sum.seconds;
            }
        }
    }
    Put(s, level, count, percent, seconds);
}

void HistogramMgr::GetRowStats(int row, float* level, int* count, float* percent, float* seconds) const
{
    Stats s;
    if (!m_bins.empty() && row >= 0) {
        int step = StepBins();
        int first = (m_low - m_baseLevel) * m_binsPerDb + row * step;
        int last = std::min(first + step, m_binCount) - 1;
        s = Sum(first, last);
        const HistogramRec* bin = GetAt(first);
        s.level = bin ? bin->GetLevel() : 0.0f;
    }
    Put(s, level, count, percent, seconds);
}

int HistogramMgr::GetTableRowCount() const
{
    if (m_total < 1 || m_bins.empty())
        return 0;
    return (m_high - m_low) * m_binsPerDb / StepBins() + 3;
}

int SplHistMgr::StepBins() const
{
    double resolution = GetResolution();
    if (!(resolution > 0) || resolution > 128)
        return 1;
    long tenths = std::lround(resolution * 10.0);
    return tenths < 1 ? 1 : static_cast<int>(tenths);
}

int PkHistMgr::StepBins() const
{
    float resolution = GetResolution();
    return (resolution >= 1 && resolution <= 128) ? static_cast<int>(resolution) : 1;
}
