#pragma once
// One bin of a histogram (output kinds 9 and 17).
#include <cstdint>

class HistogramRec {
public:
    HistogramRec(float level, uint32_t count, float percent, uint32_t rateFlag)
        : m_level(level), m_count(count), m_percent(percent), m_rateFlag(rateFlag)
    {
    }

    float GetLevel() const { return m_level; }
    uint32_t GetCount() const { return m_count; }
    float GetPercent() const { return m_percent; }
    // 1: SSA histogram, 8 samples a second; otherwise 32 a second.
    uint32_t GetRateFlag() const { return m_rateFlag; }
    double GetSamplesPerSecond() const { return m_rateFlag == 1 ? 8.0 : 32.0; }

private:
    float m_level;
    uint32_t m_count;
    float m_percent;
    uint32_t m_rateFlag;
};
