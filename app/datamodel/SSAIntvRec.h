#pragma once
// One interval of a simple sound analyser measurement (output kind 56).
#include <cstdint>

#include "RecordView.h"

class SSAIntvRec {
public:
    // withLn: Ln levels were saved (their percentages come from the kept SSA
    // setup record, if any); spectralLn: the 6 x 33 spectral Ln table is kept.
    SSAIntvRec(const RecordView& record, bool withLn, bool spectralLn, const RecordView& setup);

    uint32_t GetRecordNumber() const { return m_record; }
    uint32_t GetStartTime() const { return m_start; }
    float GetDuration() const { return m_duration; }
    float GetLeq() const { return m_leq; }
    float GetMax() const { return m_max; }
    float GetMin() const { return m_min; }
    float GetSel() const { return m_sel; }
    float GetPeak() const { return m_peak; }
    float GetUwPeak() const { return m_uwPeak; }
    unsigned GetOverloads() const { return m_overloads; }
    unsigned GetPeakExcdCount() const { return m_peakExcd; }
    unsigned GetRmsExcdCount() const { return m_rmsExcd; }
    unsigned GetUwPkExcdCount() const { return m_uwPkExcd; }
    float GetLnLevel(int i) const { return At(m_lnLevels, i); }
    float GetLnPercent(int i) const { return At(m_lnPercents, i); }
    // Bands 0 to 32 (12.5 Hz to 20 kHz) and octaves 0 to 10; 0.0 beyond.
    float GetThirdOctave1(int band) const { return At(m_third1, band); }
    float GetOctave1(int band) const { return At(m_octave1, band); }
    float GetThirdOctave2(int band) const { return At(m_third2, band); }
    float GetOctave2(int band) const { return At(m_octave2, band); }
    // Ln 0 to 5 of band 0 to 32; 0.0 outside.
    float GetBandLn(int ln, int band) const;
    float GetWindAverage() const { return m_wind1; }
    float GetWindMax() const { return m_wind2; }
    int GetMaxWindDir() const { return m_windByte; }
    bool HasHistogram() const { return m_histogram.IsPresent(); }
    // One-dB bins from the manager's base level; 0 beyond 127.
    uint32_t GetHistogramBin(int i) const { return m_histogram.Get(i); }

private:
    BinCounts m_histogram;
    uint32_t m_start;
    float m_duration;
    uint16_t m_presence;
    float m_leq;
    float m_max;
    float m_min;
    float m_lnLevels[6] = {};
    float m_lnPercents[6] = {};
    uint16_t m_model;
    uint16_t m_overloads;
    float m_peak;
    uint16_t m_peakExcd;
    uint16_t m_rmsExcd;
    uint32_t m_record;
    float m_sel;
    float m_uwPeak;
    uint16_t m_uwPkExcd;
    float m_third1[33];
    float m_octave1[11];
    float m_third2[33];
    float m_octave2[11];
    float m_bandLn[6 * 33] = {};
    float m_wind1;
    uint8_t m_windByte;
    float m_wind2;
};
