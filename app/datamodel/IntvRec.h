#pragma once
// One interval of a logging measurement (output kind 2).
#include <cstdint>

#include "RecordView.h"

class IntvRec {
public:
    // withLn: the measurement saved Ln levels with its intervals; setup: the
    // kept LOG setup record, whose Ln percentages go with the levels (empty:
    // the percentages stay 0.0).
    IntvRec(const RecordView& record, bool withLn, const RecordView& setup);

    uint32_t GetRecordNumber() const { return m_record; }
    uint32_t GetTime() const { return m_time; }
    float GetDuration() const { return m_duration; }
    float GetLeq() const { return m_leq; }
    float GetMax() const { return m_max; }
    float GetMin() const { return m_min; }
    float GetSel() const { return m_sel; }
    float GetPeak1() const { return m_peak1; }
    float GetPeak2() const { return m_peak2; }
    int GetExcdSpl() const { return m_excdSpl; }
    double GetExcdPeak1() const { return m_excdPeak1; }
    int GetExcdPeak2() const { return m_excdPeak2; }
    unsigned GetOverloads() const { return m_overloads; }
    // Ln 0 to 5; 0.0 beyond and when no Ln levels were saved.
    float GetLnLevel(int i) const { return At(m_lnLevels, i); }
    float GetLnPercent(int i) const { return At(m_lnPercents, i); }
    // Raw wind units (times the setup's wind scale factor).
    float GetWindAverage() const { return m_windAverage; }
    float GetWindMax() const { return m_windMax; }
    int GetMaxWindDir() const { return m_maxWindDir; }  // 256 = full circle
    bool HasHistogram() const { return m_histogram.IsPresent(); }
    // One-dB bins from the manager's base level; 0 beyond 127.
    uint32_t GetHistogramBin(int i) const { return m_histogram.Get(i); }

private:
    BinCounts m_histogram;
    uint16_t m_site;
    uint32_t m_time;
    float m_duration;
    uint16_t m_flags;
    float m_leq;
    float m_max;
    float m_min;
    float m_lnLevels[6] = {};
    float m_lnPercents[6] = {};
    uint16_t m_model;
    uint16_t m_overloads;
    float m_peak2;
    uint16_t m_excdPeak2;
    uint16_t m_excdSpl;
    uint32_t m_record;
    float m_sel;
    int16_t m_excdPeak1;
    float m_peak1;
    float m_windAverage;
    int16_t m_maxWindDir;
    float m_windMax;
};
