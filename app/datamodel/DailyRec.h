#pragma once
// One day of a logging measurement (output kind 3).
#include <cstdint>

#include "RecordView.h"

class DailyRec {
public:
    explicit DailyRec(const RecordView& record);

    uint32_t GetRecordNumber() const { return m_record; }
    uint32_t GetStartTime() const { return m_start; }
    float GetDuration() const { return m_duration; }
    float GetCnel() const { return m_cnel; }
    float GetLeq() const { return m_leq; }
    float GetLdn() const { return m_ldn; }
    float GetLmax() const { return m_lmax; }
    float GetLmin() const { return m_lmin; }
    float GetPeak() const { return m_peak; }
    float GetUwPeak() const { return m_uwPeak; }
    // The flags word; bit 0x08: the day carries wind values.
    int GetFlags() const { return m_flags; }
    // Wind values in raw units, as the instrument sent them.
    float GetWindAverage() const { return m_windAverage; }
    float GetWindMax() const { return m_windMax; }
    int GetMaxWindDir() const { return m_maxWindDir; }  // 256 = full circle
    // The day's start plus the offset the instrument gave.
    uint32_t GetMaxWindTime() const { return m_maxWindTime; }
    int GetWindAbovePercent() const { return m_windAbove; }
    int GetWindExceedances() const { return m_windExceedances; }
    // N, NE, E, SE, S, SW, W, NW: 0 to 7; 0 beyond.
    int GetWindDirectionPercent(int i) const { return (i >= 0 && i < 8) ? m_windDirections[i] : 0; }
    bool HasHistogram() const { return m_histogram.IsPresent(); }
    // One-dB bins from the manager's base level; 0 beyond 127.
    uint32_t GetHistogramBin(int i) const { return m_histogram.Get(i); }

private:
    BinCounts m_histogram;
    uint32_t m_start;
    float m_cnel;
    uint16_t m_flags;
    float m_leq;
    float m_ldn;
    float m_lmax;
    float m_lmin;
    uint16_t m_model;
    float m_peak;
    uint32_t m_record;
    float m_duration;
    float m_uwPeak;
    float m_windAverage;
    int16_t m_maxWindDir;
    int16_t m_windDirections[8];
    int16_t m_windAbove;
    float m_windMax;
    uint32_t m_maxWindTime;
    int16_t m_windExceedances;
};
