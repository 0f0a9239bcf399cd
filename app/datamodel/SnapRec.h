#pragma once
// One snapshot of the TAL, FFT and RTA modes (output kinds 66 to 69, 72).
// Sub-kinds: 0 FFT spectrum, 1 TAL sound level meter values, 2 TAL spectra,
// 3 TAL tonality, 4 RTA spatially averaged sample.
#include <cstdint>
#include <string>

#include "RecordView.h"

class SnapRec {
public:
    static constexpr int kFft = 0;
    static constexpr int kTalSlm = 1;
    static constexpr int kTalRta = 2;
    static constexpr int kTalTone = 3;
    static constexpr int kAveraged = 4;

    // Copies the fields of the sub-kind.
    SnapRec(const RecordView& record, int subKind);

    int GetSubKind() const { return m_subKind; }
    int GetLineCount() const { return m_lineCount; }
    int GetFirstLine() const { return m_firstLine; }
    void SetLines(int firstLine, int lineCount)
    {
        m_firstLine = firstLine;
        m_lineCount = lineCount;
    }

    uint32_t GetRecordNumber() const { return m_record; }
    uint32_t GetTime() const { return m_time; }
    // The stamp (a negative one as 0), an hour earlier in summer time.
    uint32_t GetStandardTime() const;
    float GetDuration() const { return m_duration; }
    float GetSpl() const { return m_spl; }

    // Sub-kind 1: 3 x 3 tables (weighting x 3 + detector), Leq of A, C, Flat
    // and AI, LAFTM5, Ln percentages and levels.
    float GetSplTable(int i) const { return At(m_splTable, i); }
    float GetLmaxTable(int i) const { return At(m_lmaxTable, i); }
    float GetLeqTable(int i) const { return At(m_leqTable, i); }
    float GetLaftm5() const { return m_laftm5; }
    float GetLnPercent(int i) const { return At(m_lnPercents, i); }
    float GetLnLevel(int i) const { return At(m_lnLevels, i); }
    // Sub-kind 2: Leq and live spectra, 8 Hz to 12.5 kHz.
    float GetLeqBand(int band) const { return At(m_leqBands, band); }
    float GetLiveBand(int band) const { return At(m_liveBands, band); }
    // Sub-kind 3.
    int GetToneFrequency() const { return m_toneFrequency; }
    int GetDeltaFc() const { return m_deltaFc; }
    float GetToneLevel() const { return m_toneLevel; }
    float GetGroupLevel() const { return m_groupLevel; }
    // Sub-kinds 0 and 4.
    // Unsigned 16-bit counts, as the instrument keeps them.
    unsigned GetAverageCount() const { return m_averageCount; }
    unsigned GetOverloadCount() const { return m_overloads; }
    float GetSpectrumLine(int line) const { return At(m_spectrum, line); }
    // Sub-kind 4: the note and the band spectrum (octaves in the first 11).
    const std::string& GetLabel() const { return m_label; }
    float GetBand(int band) const { return At(m_bands, band); }
    // Sub-kind 4: non-zero for one-third octave data.
    int GetBandwidthWord() const { return m_bandwidth; }

private:
    int m_subKind;
    int m_lineCount = 0;
    int m_firstLine = 0;
    uint32_t m_record;
    uint32_t m_time;
    float m_duration = 0;
    float m_spl = 0;
    float m_splTable[9] = {};
    float m_lmaxTable[9] = {};
    float m_leqTable[4] = {};
    float m_laftm5 = 0;
    float m_lnPercents[6] = {};
    float m_lnLevels[6] = {};
    float m_leqBands[33] = {};
    float m_liveBands[33] = {};
    int16_t m_toneFrequency = 0;
    int16_t m_deltaFc = 0;
    float m_toneLevel = 0;
    float m_groupLevel = 0;
    uint16_t m_averageCount = 0;
    uint16_t m_overloads = 0;
    float m_spectrum[401] = {};
    std::string m_label;
    float m_bands[33] = {};
    uint16_t m_bandwidth = 0;
};
