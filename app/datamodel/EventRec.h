#pragma once
// One event (output kind 1): an exceedance event of the logging modes, or an
// RTA event with its three spectra and the decay data of its RT60 analysis.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "RecordView.h"

class EventRec {
public:
    // An exceedance event (report type 17).
    static EventRec FromExceedance(const RecordView& record);
    // An RTA event (report types 30 and 33).
    static EventRec FromRta(const RecordView& record);

    uint32_t GetStartTime() const { return m_start; }
    uint32_t GetRecordNumber() const { return m_record; }
    float GetDuration() const { return m_duration; }
    float GetLeq() const { return m_leq; }
    float GetMax() const { return m_max; }
    float GetMinLevel() const { return m_min; }
    float GetSel() const { return m_sel; }
    float GetPeak() const { return m_peak; }
    unsigned GetOverloads() const { return m_overloads; }
    unsigned GetPeakExcdCount() const { return m_peakExcd; }
    float GetOverloadPercent() const { return m_overloadPercent; }
    float GetChannel(int i) const { return At(m_channels, i); }
    // The value from byte 132 (the "Sym" value) and the level from byte 144
    // (the level with the peak weighting).
    float GetExtraValue() const { return m_extraValue; }
    float GetSymValue() const { return m_extraValue; }
    float GetExtraLevel() const { return m_extraLevel; }
    float GetPeakWeightingLevel() const { return m_extraLevel; }
    // Seconds per sample of the level profile.
    float GetThPeriod() const { return m_thPeriod; }
    float GetMaxWind() const { return m_windMax; }
    unsigned GetMaxWindDir() const { return m_maxWindDir; }  // 256 = full circle
    int GetProfileByte(int i) const { return (i >= 0 && i < 256) ? m_profile[i] : 0; }

    // RTA events: spectra of Leq, Max and Min, bands 0 to 32 (octaves in 0 to
    // 10); 0.0 beyond.
    float GetLeqBand(int band) const { return At(m_spectra[0], band); }
    float GetMaxBand(int band) const { return At(m_spectra[1], band); }
    float GetMinBand(int band) const { return At(m_spectra[2], band); }
    uint32_t GetAveragedEvents() const { return m_averagedEvents; }
    int GetPreTriggerCount() const { return m_preTrigger; }
    int GetTriggeredCount() const { return m_triggered; }
    // Seconds between decay samples: duration / (averaged events x triggered
    // count); 0 when either count is 0.
    float GetTimeStep() const { return m_timeStep; }

    // Decay data of the RT60 analysis, one history of levels per band and the
    // sample index and level of each band's peak; the band count is the
    // number of histories.
    struct DecayPeak {
        int32_t index = 0;
        float level = 0;
    };
    void SetDecayData(std::vector<std::vector<float>> histories, std::vector<DecayPeak> peaks);
    int GetBandCount() const { return static_cast<int>(m_decays.size()); }
    // Level of a decay sample and a band's peak; 0 outside the data.
    float GetDecayLevel(int band, int sample) const;
    DecayPeak GetDecayPeak(int band) const;

    // RT60 of each band from first to last (below the band count): "%7.2f"
    // seconds, or "   ----   " when the decay gives no finite time below
    // 12 s. Texts of other bands keep what they held. The texts are kept for
    // the dB-down value and bands they were made for: asking again for the
    // same ones, with the same decay data, makes nothing anew.
    void ComputeRt60Texts(float dbDown, int firstBand, int lastBand);
    // Band 0 to 32; empty until computed.
    const std::string& GetRt60Text(int band) const;
    // The RT60 text of one band computed now, without storing it; empty
    // past the band count.
    std::string MakeRt60Text(int band, float dbDown) const;

private:
    EventRec() = default;
    std::string Rt60OfBand(size_t band, float dbDown) const;

    // Only RTA events get RT60 texts, and only once asked for: an exceedance
    // event holds none.
    struct Rt60Texts {
        std::string text[33];
        float dbDown = 0;
        int firstBand = 0;
        int lastBand = -1;
        bool current = false;  // made from the decay data held now
    };

    std::unique_ptr<Rt60Texts> m_rt60;
    uint32_t m_start = 0;
    float m_channels[3] = {};
    uint8_t m_block16[16] = {};
    float m_overloadPercent = 0;
    float m_duration = 0;
    float m_leq = 0;
    float m_max = 0;
    float m_min = 0;
    uint16_t m_overloads = 0;
    float m_peak = 0;
    uint16_t m_peakExcd = 0;
    uint32_t m_record = 0;
    float m_sel = 0;
    float m_extraValue = 0;
    float m_thPeriod = 0;
    float m_extraLevel = 0;
    float m_windMax = 0;
    uint16_t m_maxWindDir = 0;
    uint8_t m_profile[256] = {};
    float m_spectra[3][33] = {};
    uint32_t m_averagedEvents = 0;
    int16_t m_preTrigger = 0;
    int16_t m_triggered = 0;
    float m_timeStep = 0;
    std::vector<std::vector<float>> m_decays;
    std::vector<DecayPeak> m_peaks;
};
