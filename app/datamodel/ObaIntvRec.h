#pragma once
// One octave-band interval of a J46 file (output kind 31), and the octave
// band summary record, which no file fills.
#include <cstdint>

#include "RecordView.h"
#include "StreamedRecordFields.h"

class ObaIntvRec {
public:
    explicit ObaIntvRec(const RecordView& r)
        : m_site(r.U16(ObaIntervalFields::kSite)),
          m_time(r.U32(ObaIntervalFields::kTime)),
          m_duration(r.F32(ObaIntervalFields::kDuration)),
          m_bandwidth(r.U16(ObaIntervalFields::kBandwidth)),
          m_word(r.U16(ObaIntervalFields::kWord)),
          m_record(r.U32(ObaIntervalFields::kRecordNumber))
    {
        r.Floats(ObaIntervalFields::kBands, m_bands, 30);
    }

    uint32_t GetRecordNumber() const { return m_record; }
    uint32_t GetTime() const { return m_time; }
    float GetDuration() const { return m_duration; }
    // 1 for one-third octave bands, 0 for octaves.
    int GetBandwidthFlag() const { return m_bandwidth != 0 ? 1 : 0; }
    // Band 0 (25 Hz) to 29 (20 kHz); 0.0 outside.
    float GetBandLevel(int band) const { return At(m_bands, band); }

private:
    uint16_t m_site;
    uint32_t m_time;
    float m_duration;
    uint16_t m_bandwidth;
    float m_bands[30];
    uint16_t m_word;
    uint32_t m_record;
};

struct ObaSumRec {
    uint16_t word1 = 0;
    uint16_t word2 = 0;
    uint32_t word3 = 0;
    float bands[30] = {};
};
